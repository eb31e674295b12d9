// Printers plugged in and unplugged while the simulator runs, as a technician
// does on a provisioning bench. Commands arrive one a line on standard input:
//
//   plug NAME MAC [older|newer]   a direct-link printer on a new pty, with
//                                 the symlink DIR/NAME as its device node
//   unplug NAME                   the symlink and the pty go away
//
// Each is answered on standard output ("plugged NAME /dev/pts/7",
// "unplugged NAME", or "plug-error ..."). A printer plugged again under the
// same name and MAC is the same printer: it keeps the record it was given.
#pragma once

#include <QObject>
#include <QString>

#include <map>
#include <memory>
#include <string>

#include "pty_link.h"
#include "sim_state.h"

class QSocketNotifier;

namespace corvane::sim {

class PlugControl : public QObject {
    Q_OBJECT
public:
    PlugControl(SimState& state, QString directory, QObject* parent = nullptr);
    ~PlugControl() override;

    // Starts reading commands from standard input.
    void listen();
    // Runs one command line; the answer line.
    QString run(const QString& line);

private:
    void onReadable();

    SimState& state_;
    QString directory_;
    std::map<std::string, std::unique_ptr<PtyLink>> ptys_;
    QSocketNotifier* notifier_ = nullptr;
    QByteArray pending_;
};

}  // namespace corvane::sim
