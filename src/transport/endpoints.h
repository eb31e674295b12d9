// Where the LAN requests go. The defaults are the printers' own ports and the
// broadcast addresses; every value can be overridden from the command line
// (--target, --remote-port, --local-port, --survey-port, --local-address,
// --printer-host, --rate) or the environment (CORVANE_TARGET,
// CORVANE_REMOTE_PORT, CORVANE_LOCAL_PORT, CORVANE_SURVEY_PORT,
// CORVANE_LOCAL_ADDRESS, CORVANE_PRINTER_HOST, CORVANE_RATE), so tests, the demo and unusual networks can point the
// tool at loopback or a directed broadcast.
//
// --printer-host covers the connections to one printer's own address (the
// access-point survey over TCP, the printer's web page): when set they go to
// that host instead of the address the printer reported, e.g. a simulator on
// 127.0.0.1 whose printers report 192.168.0.x addresses.
#pragma once

#include <functional>

#include <QString>
#include <QStringList>

#include "link/discovered_device.h"
#include "link/result.h"

class QCommandLineParser;

namespace corvane::transport {

// True for 0.x.x.x, the address a printer without one reports ("Not
// Configuration" in the list). Such an address is never contacted: on Linux
// 0.0.0.0 reaches this computer itself.
bool isUnconfiguredAddress(const QString& address);

// "A.B.C.D", "A.B.C.D-E" and comma lists of them, expanded in order; for
// anything else or more than `limit` addresses, what is wrong.
link::Result<QStringList, QString> parseTargetList(const QString& text, int limit);

struct LanEndpoints {
    QString target;       // empty: 255.255.255.255 (Ethernet) or the ".255" address (WLAN)
    int remotePort = -1;  // -1: the mode's default
    int localPort = -1;   // -1: the mode's default; 0: any free port
    int surveyPort = link::kSurveyPort;
    QString localAddress;  // empty: chosen in the local address window
    QString printerHost;   // empty: the address each printer reported
    // Requests per second to a list of addresses. Each may cost an ARP
    // request, and switches that police ARP (often at 15 per second) shut
    // the port of a computer that sends faster.
    static constexpr int kDefaultRate = 20;
    static constexpr int kMaxRate = 1000;
    int rate = kDefaultRate;

    // Where a connection to the printer that reported `reported` goes.
    QString printerAddressFor(const QString& reported) const;

    // The addresses --target names: one host, or dotted addresses and
    // last-octet ranges separated by commas ("10.0.0.5-20,10.0.1.7"); empty
    // when no target is set. At most kMaxTargets addresses.
    static constexpr int kMaxTargets = 256;
    QStringList targets() const;
    // Whether the requests go to printers' own addresses rather than to a
    // broadcast address (a target list whose addresses do not end in .255).
    bool unicastTargets() const;

    // The effective values for one mode.
    QString targetFor(link::ListMode mode, const QString& broadcastAddress) const;
    int remotePortFor(link::ListMode mode) const;
    int localPortFor(link::ListMode mode) const;

    // Adds the override options to a parser / reads them back, falling back
    // to the environment, then the defaults. A value that is not a port
    // (0..65535) or not an IPv4 address keeps its default and is described in
    // `errors` when given.
    static void addOptions(QCommandLineParser& parser);
    static LanEndpoints fromParser(const QCommandLineParser& parser, QStringList* errors = nullptr);
    static LanEndpoints fromEnvironment(QStringList* errors = nullptr);

    // The program-wide values the windows use; set once at start-up.
    static LanEndpoints& current();

    // Shared by both readers: `lookup` gives the text of an option (by its
    // long name) or an empty string when it is not given.
    static LanEndpoints fromLookup(const std::function<QString(const QString&)>& lookup, QStringList* errors);
};

}  // namespace corvane::transport
