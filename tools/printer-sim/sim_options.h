// The simulator's command line: where it listens, which printers it
// simulates, and the fault switches that apply to every printer (the
// link-only ones to the direct-link printer).
#pragma once

#include <QString>
#include <QStringList>

#include "sim_state.h"

class QCommandLineParser;

namespace corvane::sim {

struct SimOptions {
    QString bind = QStringLiteral("127.0.0.1");
    int ethernetPort = 48781;  // 0: any free port
    int wlanPort = 3337;       // the same as ethernetPort: one socket serves both
    int surveyPort = 3318;
    QString ptyLink;         // symlink to the pty slave, empty for none
    bool ptyCooked = false;  // the pty left in its default mode instead of raw
    QString linkRecord;      // every byte the direct link receives, appended here

    int printPort = -1;  // the data port; -1: none, 0: any free port
    bool printNeverRead = false;
    QString plugDir;  // printers plugged in by command appear here; empty: no commands
    QString configFile;
    QString dumpState;
    bool lan = true;
    bool link = true;
};

void AddSimOptions(QCommandLineParser& parser);

// Reads the options, loads the configuration (or the built-in printers) and
// applies the fault switches. False with `error` set on a bad value.
bool ReadSimOptions(const QCommandLineParser& parser, SimOptions& options, SimState& state, QString* error);

}  // namespace corvane::sim
