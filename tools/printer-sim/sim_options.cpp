#include "sim_options.h"

#include <QCommandLineParser>

#include "sim_json.h"

namespace corvane::sim {

namespace {

const QString kKindsHelp = QStringLiteral(
    "KINDS is \"all\" or a comma list of: find, sett, prt_reg, prt_set, survey, status, maker, mode, "
    "sys_req, if_get, if_set, bss_req, cert_mode, cert_chunk.");

// Options naming message kinds, and the fault field each one sets.
struct KindOption {
    const char* name;
    KindSet Faults::*field;
    const char* help;
};
const KindOption kKindOptions[] = {
    {"fault-silent", &Faults::silent, "Never answer these requests."},
    {"fault-delay-on", &Faults::delayOn, "Apply --fault-delay only to these requests (default all)."},
    {"fault-corrupt-checksum", &Faults::corruptChecksum, "Corrupt the checksum of these IfMessage answers."},
    {"fault-truncate", &Faults::truncate, "Send only the first half of these answers."},
    {"fault-upper-hex", &Faults::upperHex, "Write these reply frames in upper-case hexadecimal."},
    {"fault-duplicate", &Faults::duplicate, "Send these answers twice."},
    {"fault-refuse", &Faults::refuse, "Answer these changes (if_set, cert_chunk) with an error and take nothing."},
};

struct NumberOption {
    const char* name;
    int Faults::*field;
    int low, high;
    const char* help;
};
const NumberOption kNumberOptions[] = {
    {"fault-delay", &Faults::delayMs, 0, 600000, "Hold every answer back for MS milliseconds."},
    {"fault-withhold-strt", &Faults::withholdStrt, 0, 1000000,
     "Answer the first N certificate mode commands without \"STRT\"."},
    {"fault-cert-failures", &Faults::certFailures, 0, 1000000,
     "Answer a certificate chunk N times with a non-success text before taking it."},
    {"fault-cert-fail-chunk", &Faults::certFailChunk, -1, 1000000,
     "The chunk (from 0) --fault-cert-failures applies to; -1 (default) every chunk."},
    {"fault-flood", &Faults::flood, 0, 5000, "Answer a discovery with N records of distinct MACs (up to 5000)."},
    {"fault-flood-burst", &Faults::floodBurst, 1, 5000, "Flood records sent back to back before a pause (default 32)."},
    {"fault-flood-interval", &Faults::floodIntervalMs, 0, 1000,
     "Pause between flood bursts in ms (default 4); the pacing is per printer."},
    {"fault-pieces", &Faults::pieces, 0, 64, "Send every direct-link answer in N pieces (0 or 1: whole)."},
    {"fault-piece-gap", &Faults::pieceGapMs, 0, 10000, "Pause between the pieces of an answer in ms (default 20)."},
    {"fault-ack-tail", &Faults::ackTailMs, 0, 10000,
     "Follow every direct-link acknowledgement (mode 7F, \"STRT\", chunk answers) MS ms later with a tail "
     "(default 1D 1F 03; see --fault-ack-tail-bytes)."},
    {"fault-deaf-after-ack", &Faults::deafAfterAckMs, 0, 10000,
     "Ignore direct-link input for MS ms after every acknowledgement."},
    {"fault-restart", &Faults::restartMs, 0, 600000,
     "After taking LAN settings, ignore searches for MS milliseconds (a printer restarting)."},
};

template <typename F>
void ForEachFaults(SimState& state, F&& f) {
    for (auto& p : state.ethernet) f(p.faults);
    for (auto& p : state.wlan) f(p.faults);
    f(state.link.faults);
}

bool ReadPort(const QCommandLineParser& parser, const char* name, int& port, QString* error) {
    if (!parser.isSet(name)) return true;
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < 0 || value > 65535) {
        *error = QStringLiteral("--%1 needs a port from 0 to 65535").arg(name);
        return false;
    }
    port = value;
    return true;
}

}  // namespace

void AddSimOptions(QCommandLineParser& parser) {
    parser.addOptions({
        {"bind", "Address to listen on (default 127.0.0.1). Use 0.0.0.0 only inside a private network namespace.",
         "ADDR"},
        {"ethernet-port", "UDP port of the Ethernet printers (default 48781; 0 any free port).", "N"},
        {"wlan-port",
         "UDP port of the wireless printers (default 3337; 0 any free port; the Ethernet port: one socket serves "
         "both).",
         "N"},
        {"survey-port", "TCP port of the site survey (default 3318; 0 any free port).", "N"},
        {"print-port", "Listen on this TCP data port and keep what each connection sends (0 any free port).", "N"},
        {"fault-print-no-read", "Accept data-port connections and never read from them."},
        {"plug-dir",
         "Take \"plug NAME MAC [older|newer]\" and \"unplug NAME\" on standard input: a direct-link printer "
         "on a new pty, linked as DIR/NAME.",
         "DIR"},
        {"pty-link", "Also make PATH a symlink to the direct-link pseudo-terminal.", "PATH"},
        {"config", "Printers from this JSON file instead of the built-in set.", "FILE"},
        {"dump-state", "Write the final state as JSON to FILE on exit.", "FILE"},
        {"no-lan", "Do not listen on the network."},
        {"no-link", "Do not create the direct-link pseudo-terminal."},
        {"layout", "Record layout of the direct-link printer: newer (616 bytes) or older (603).", "older|newer"},
        {"status-byte", "Answer GS a 0 with this status byte (default: no answer).", "N"},
        {"fault-maker-name", "Direct-link printer names this maker instead of ZEPHRAN (may be empty).", "TEXT"},
        {"fault-no-maker-marker", "Send the maker name without its leading 0x5F byte."},
        {"fault-mode-7e", "Acknowledge the configuration mode command with 1F 57 4D 7E."},
        {"fault-short-wlan", "Answer a wireless registration request with the bare 18-byte tag."},
        {"fault-keep-settings", "Confirm settings requests without taking the settings."},
        {"fault-ack-tail-bytes", "The tail --fault-ack-tail sends, in hexadecimal (default 1d1f03).", "HEX"},
        {"fault-echo",
         "Send every byte the direct link receives straight back, as a terminal in its default mode does."},
        {"record-link", "Append every byte the direct link receives to FILE, as it came.", "FILE"},
        {"pty-cooked", "Leave the pseudo-terminal in its default mode (line editing, echo) for the tool to set up."},
    });
    for (const auto& o : kKindOptions)
        parser.addOption({o.name, QString::fromLatin1(o.help) + ' ' + kKindsHelp, "KINDS"});
    for (const auto& o : kNumberOptions) parser.addOption({o.name, QString::fromLatin1(o.help), "N"});
}

bool ReadSimOptions(const QCommandLineParser& parser, SimOptions& options, SimState& state, QString* error) {
    if (parser.isSet("bind")) options.bind = parser.value("bind");
    if (!ReadPort(parser, "ethernet-port", options.ethernetPort, error) ||
        !ReadPort(parser, "wlan-port", options.wlanPort, error) ||
        !ReadPort(parser, "survey-port", options.surveyPort, error))
        return false;
    if (parser.isSet("print-port")) {
        options.printPort = 0;
        if (!ReadPort(parser, "print-port", options.printPort, error)) return false;
    }
    options.printNeverRead = parser.isSet("fault-print-no-read");
    options.plugDir = parser.value("plug-dir");
    options.ptyLink = parser.value("pty-link");
    options.configFile = parser.value("config");
    options.dumpState = parser.value("dump-state");
    options.lan = !parser.isSet("no-lan");
    options.link = !parser.isSet("no-link");

    state = BuiltinState();
    if (!options.configFile.isEmpty() && !LoadStateFile(options.configFile, state, error)) return false;

    if (parser.isSet("layout")) {
        const auto layout = parser.value("layout");
        if (layout != "older" && layout != "newer") {
            *error = QStringLiteral("--layout must be older or newer");
            return false;
        }
        state.link.layout = layout == "older" ? link::ConfigLayout::Older : link::ConfigLayout::Newer;
    }
    if (parser.isSet("status-byte")) {
        bool ok = false;
        const int value = parser.value("status-byte").toInt(&ok, 0);
        if (!ok || value < 0 || value > 255) {
            *error = QStringLiteral("--status-byte needs a value from 0 to 255");
            return false;
        }
        state.link.statusByte = value;
    }
    if (parser.isSet("fault-maker-name")) state.link.makerName = parser.value("fault-maker-name").toStdString();
    if (parser.isSet("fault-no-maker-marker")) state.link.makerMissing = true;
    if (parser.isSet("fault-mode-7e")) state.link.faults.modeReply7E = true;
    if (parser.isSet("fault-short-wlan")) ForEachFaults(state, [](Faults& f) { f.shortWlanAnswer = true; });
    if (parser.isSet("fault-keep-settings")) ForEachFaults(state, [](Faults& f) { f.keepSettings = true; });
    if (parser.isSet("fault-echo")) state.link.faults.echo = true;
    options.ptyCooked = parser.isSet("pty-cooked");
    options.linkRecord = parser.value("record-link");
    if (parser.isSet("fault-ack-tail-bytes")) {
        const QByteArray tail = QByteArray::fromHex(parser.value("fault-ack-tail-bytes").toLatin1());
        if (tail.isEmpty() || tail.size() > 64) {
            *error = QStringLiteral("--fault-ack-tail-bytes needs 1 to 64 bytes in hexadecimal");
            return false;
        }
        state.link.faults.ackTail.assign(tail.begin(), tail.end());
    }

    for (const auto& o : kKindOptions) {
        if (!parser.isSet(o.name)) continue;
        const auto kinds = KindSet::parse(parser.value(o.name).toStdString());
        if (!kinds) {
            *error = QStringLiteral("--%1: unknown message kind in \"%2\"").arg(o.name, parser.value(o.name));
            return false;
        }
        ForEachFaults(state, [&](Faults& f) { f.*o.field = *kinds; });
    }
    for (const auto& o : kNumberOptions) {
        if (!parser.isSet(o.name)) continue;
        bool ok = false;
        const int value = parser.value(o.name).toInt(&ok);
        if (!ok || value < o.low || value > o.high) {
            *error = QStringLiteral("--%1 needs a number from %2 to %3").arg(o.name).arg(o.low).arg(o.high);
            return false;
        }
        ForEachFaults(state, [&](Faults& f) { f.*o.field = value; });
    }
    return true;
}

}  // namespace corvane::sim
