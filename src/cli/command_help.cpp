#include "cli/command_help.h"

#include <vector>

namespace corvane::cli {

namespace {

struct OptionHelp {
    const char* name;   // without the dashes
    const char* value;  // the value's placeholder, or nullptr for a switch
    const char* text;
};

struct CommandPage {
    const char* name;
    const char* usage;    // after "corvane "
    const char* summary;  // the overview's line
    const char* description;
    std::vector<OptionHelp> options;
    const char* examples;  // one command a line
};

// Where LAN requests go and come from; for tests against the simulator and
// for printers behind a router.
const std::vector<OptionHelp> kLanEndpoints{
    {"target", "ADDR",
     "send to ADDR instead of the broadcast address; a search also takes a list of addresses and last-octet "
     "ranges (10.0.0.5-20,10.0.1.7; at most 256)"},
    {"remote-port", "N", "UDP port of the printers (default 48781 Ethernet, 3337 WLAN)"},
    {"local-port", "N", "local UDP port (default 48780 Ethernet, 9000 WLAN; 0: any free port)"},
    {"survey-port", "N", "TCP port of the access-point survey (default 3318)"},
    {"local-address", "ADDR", "the same as --local"},
    {"rate", "N",
     "requests per second to a --target list (default 20, at most 1000); the search ends 1.1 s after the last one"},
};

// Options every command takes: a wire log for a surprise met in the field.
const std::vector<OptionHelp> kEveryCommand{
    {"trace", "FILE",
     "write every datagram, TCP segment and link read and write, with times, to FILE (made 0600); secrets in "
     "configuration records are masked"},
    {"trace-secrets", nullptr, "with --trace: write keys, passwords and certificate bytes as they went"},
};

const OptionHelp kJson{"json", nullptr, "print JSON for machines instead of text"};

// The direct-link options every `link` subcommand takes.
const std::vector<OptionHelp> kLinkPort{
    {"serial", "NAME", "the printer on this serial port (name or path)"},
    {"usb", "USBnnn", "the USB printer as `corvane ports` lists it"},
    {"device", "PATH", "a device node, opened as it stands"},
    {"link-timeout-ms", "N", "longest wait for the first byte of one reply (default 90000)"},
    {"link-read", "RULE",
     "when a reply is over: complete (once whole, the default) or silence (after 100 ms without a byte); "
     "default from CORVANE_LINK_READ"},
};

std::vector<OptionHelp> joined(std::vector<OptionHelp> first, const std::vector<OptionHelp>& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

const std::vector<CommandPage>& pages() {
    static const std::vector<CommandPage> kPages{
        {"ports",
         "ports [--json]",
         "serial ports and USB printers",
         "Lists the serial ports and USB printers a direct-link command can open, with the names --serial and "
         "--usb take.",
         {kJson},
         "corvane ports\n"},
        {"discover", "discover ethernet|wlan [options]", "search the LAN for printers",
         "Searches the LAN for printers by broadcast (or at the addresses --target names) and lists what answers. "
         "--csv writes the columns of the device list's Export; edit it and run it with lan-plan.",
         joined({kJson,
                 {"csv", nullptr, "print comma-separated values, as Export writes them"},
                 {"local", "ADDR",
                  "search from this local IPv4 address; \"all\": from every local address at once, with an "
                  "adapter column"}},
                kLanEndpoints),
         "corvane discover ethernet --local 192.168.1.20\n"
         "corvane discover wlan --local all --csv > printers.csv\n"},
        {"lan-set", "lan-set ethernet|wlan --mac MAC [options]", "change one printer's network settings",
         "Finds the printer by its MAC address, checks the new values (a warning refuses unless --force, a conflict "
         "unless --allow-conflicts), sends them, then searches again and compares what the printer reports. "
         "Settings not given keep their value; when nothing differs nothing is sent (\"unchanged\").",
         joined({kJson,
                 {"mac", "MAC", "the printer to change (00:11:62:0a:00:01)"},
                 {"ip", "A", "new IP address"},
                 {"mask", "M", "new subnet mask"},
                 {"gateway", "G", "new gateway"},
                 {"port", "N", "new TCP port of the printer (0-32767)"},
                 {"inactivity", "S", "new inactivity time in seconds (0-3600)"},
                 {"dhcp", "on|off", "DHCP on or off"},
                 {"baud", "RATE", "serial speed (1200 ... 230400)"},
                 {"force", nullptr, "send even when the checks before sending warn"},
                 {"allow-conflicts", nullptr,
                  "send even a value that conflicts (an address another printer holds, a network, broadcast or "
                  "reserved address, a mask with gaps); --force does not release these"},
                 {"no-verify", nullptr, "do not search again to verify a confirmed change"},
                 {"verify-delay", "MS",
                  "pause before the first search that verifies a change, in milliseconds (default 3000 Ethernet, 1000 "
                  "WLAN)"},
                 {"verify-timeout", "SECONDS",
                  "search again every 2 s until the printer shows the change or this many seconds after its "
                  "confirmation (default 30 Ethernet, 60 WLAN)"},
                 {"local", "ADDR", "search from this local IPv4 address"}},
                kLanEndpoints),
         "corvane lan-set ethernet --mac 00:11:62:0a:00:01 --ip 192.168.1.50 --port 9100\n"
         "corvane lan-set wlan --mac 00:11:62:0b:00:01 --dhcp on\n"},
        {"lan-plan", "lan-plan ethernet|wlan PLAN.csv [options]", "set many printers from a plan file",
         "Sets many printers from a CSV file with a header row naming the columns mac, ip, mask, gateway, port, "
         "inactivity, dhcp and baud, in any order and any case, separated by ',' or ';'. A blank cell keeps the "
         "printer's value; the other columns of `discover --csv` and Export are passed over, so an edited export "
         "is a plan. A bad row stops the plan before anything is sent. Exit 0 when every row is unchanged or "
         "verified, 2 when a row was refused (also with --dry-run), 3 when a confirmed row was not shown by the "
         "search after it, 1 when a printer or the network failed.",
         joined(
             {kJson,
              {"dry-run", nullptr, "print what would be sent and the warnings; send nothing"},
              {"force", nullptr, "send the rows the checks warn about too (without it they are refused and not sent)"},
              {"allow-conflicts", nullptr, "send the rows with conflicts too, as for lan-set"},
              {"test-print", nullptr,
               "afterwards a test page to every printer that ends verified or unchanged, at its planned address"},
              {"printer-host", "ADDR", "with --test-print: send the test pages to ADDR instead (for tests)"},
              {"verify-delay", "MS",
               "pause before the first search that verifies a change, in milliseconds (default 3000 Ethernet, 1000 "
               "WLAN)"},
              {"verify-timeout", "SECONDS",
               "search again every 2 s until the printer shows the change or this many seconds after its confirmation "
               "(default 30 Ethernet, 60 WLAN)"},
              {"local", "ADDR", "search from this local IPv4 address"}},
             kLanEndpoints),
         "corvane discover ethernet --csv > plan.csv   # then edit the ip column\n"
         "corvane lan-plan ethernet plan.csv --dry-run\n"},
        {"survey",
         "survey --ip ADDR [--json]",
         "the access points a LAN printer sees",
         "Asks the printer at ADDR over TCP for the wireless access points it sees.",
         {kJson,
          {"ip", "ADDR", "the printer's IP address"},
          {"survey-port", "N", "TCP port of the access-point survey (default 3318)"}},
         "corvane survey --ip 192.168.1.50\n"},
        {"print-test",
         "print-test --ip ADDR [--port N] [--mac MAC] [--json]",
         "a test page to a LAN printer",
         "Opens TCP to the printer's data port (3 s to connect), sends a short test page in the printers' command "
         "language (its address, port, MAC address, the date and this computer's name; feed and partial cut) and "
         "closes. Nothing is sent to any other port.",
         {kJson,
          {"ip", "ADDR", "the printer's IP address"},
          {"port", "N", "the printer's data port (default 9100)"},
          {"mac", "MAC", "the MAC address to print on the page"}},
         "corvane print-test --ip 192.168.1.50\n"},
        {"link",
         "link info|read|write|survey|cert|export|apply|provision (--serial NAME | --usb USBnnn | --device PATH) "
         "[options]",
         "a printer on a serial port or USB printer cable",
         "Talks to one printer over the direct link. info: its model and firmware; read: its whole configuration "
         "(--json to save it); write --from FILE: a configuration read before; survey: the access points it sees; "
         "cert --type T FILE: uploads a certificate; export --profile FILE: its wireless settings as a profile; "
         "apply --profile FILE: a profile, writing only the fields that differ (exit 0 whether or not one did; "
         "--json says \"changed\"); provision --profile FILE: configures printers as they are plugged in (USB "
         "printers, or the ports named with --serial), one status line each; Ctrl-C ends with a summary (exit 0 "
         "when none failed).",
         joined(joined({kJson}, kLinkPort),
                {{"from", "FILE", "write: the configuration JSON to write"},
                 {"type", "ca|client-key|client-pem", "cert: the certificate's kind"},
                 {"profile", "FILE", "export, apply: the profile file"},
                 {"show-secrets", nullptr,
                  "read, write: print keys, passwords, the PIN and the SNMP write community instead of masking "
                  "them (read --json: instead of leaving them out)"},
                 {"include-secrets", nullptr,
                  "export: put keys, passwords, the PIN and the SNMP write community in the profile (readable by "
                  "you alone)"},
                 {"include-address", nullptr,
                  "export: put the address assignment (DHCP or fixed), IP address, mask and gateway in the profile"},
                 {"secrets", "FILE",
                  "apply, provision: the secrets the profile leaves out, as a profile holding only them"},
                 {"printers", "CSV",
                  "provision: per-printer values by MAC (columns mac,name,ip,mask,gateway,port,user,password)"},
                 {"once", nullptr, "provision: stop after the first printer"},
                 {"device-dir", "DIR",
                  "provision: take every node in DIR as a printer (raw device mode) instead of the USB printers"},
                 {"check", nullptr,
                  "apply: report the differences, write nothing; secrets the profile leaves out are listed as not "
                  "compared"}}),
         "corvane link read --usb USB001 --json > printer.json\n"
         "corvane link apply --usb USB002 --profile shop.json --secrets keys.json\n"
         "corvane link provision --profile shop.json --secrets keys.json --printers printers.csv\n"},
        {"history",
         "history [--mac MAC] [--since DATE] [--json|--csv]",
         "the changes the tool sent",
         "Lists the changes the tool sent to printers, oldest first, from $XDG_STATE_HOME/corvane/history.jsonl.",
         {kJson,
          {"csv", nullptr, "print comma-separated values"},
          {"mac", "MAC", "only this printer's changes"},
          {"since", "DATE[THH:MM[:SS]][Z]",
           "changes from this date (2024-05-01) or date and time on, UTC unless it says otherwise; anything else is "
           "refused"}},
         "corvane history --mac 00:11:62:0a:00:01 --since 2024-05-01\n"},
    };
    return kPages;
}

const CommandPage* pageOf(const QString& command) {
    for (const CommandPage& page : pages()) {
        if (command == QLatin1String(page.name)) return &page;
    }
    return nullptr;
}

// `text` wrapped to lines of at most `width` characters, each after `indent`
// spaces but the first, which follows whatever is before it.
QString wrapped(const QString& text, int indent, int width) {
    QString out;
    int column = indent;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (column > indent && column + 1 + word.size() > width) {
            out += QLatin1Char('\n') + QString(indent, QLatin1Char(' '));
            column = indent;
        } else if (column > indent) {
            out += QLatin1Char(' ');
            ++column;
        }
        out += word;
        column += static_cast<int>(word.size());
    }
    return out;
}

constexpr int kWidth = 79;
constexpr int kOptionColumn = 30;

QString optionLine(const OptionHelp& option) {
    QString head = QStringLiteral("  --") + QLatin1String(option.name);
    if (option.value) head += QLatin1Char(' ') + QLatin1String(option.value);
    head = head.size() + 2 > kOptionColumn ? head + QLatin1Char('\n') + QString(kOptionColumn, QLatin1Char(' '))
                                           : head.leftJustified(kOptionColumn);
    return head + wrapped(QLatin1String(option.text), kOptionColumn, kWidth) + QLatin1Char('\n');
}

}  // namespace

QStringList helpCommands() {
    QStringList names;
    for (const CommandPage& page : pages()) names << QLatin1String(page.name);
    return names;
}

QString overviewHelp() {
    QString text = QStringLiteral("Usage: corvane <command> [options]\n\nCommands:\n");
    for (const CommandPage& page : pages()) {
        text += QStringLiteral("  %1").arg(QLatin1String(page.name)).leftJustified(kOptionColumn) +
                QLatin1String(page.summary) + QLatin1Char('\n');
    }
    text += QStringLiteral(
        "\n"
        "`corvane help COMMAND` or `corvane COMMAND --help` describes a command and its options.\n"
        "\n"
        "Exit status: 0 success; 1 the printer or the network refused or failed;\n"
        "2 bad usage or input refused before anything was sent (lan-set,\n"
        "lan-plan: also a check before sending warned or found a conflict);\n"
        "3 lan-set: the printer confirmed, but the search after it does not show\n"
        "the change;\n"
        "130, 143, 129 stopped by Ctrl-C, SIGTERM, SIGHUP (what was sent is\n"
        "recorded in the history first; a link command closes the port; lan-set\n"
        "and lan-plan end the pause before the check and report what was sent).\n"
        "\n"
        "Options:\n");
    text += optionLine({"help", nullptr, "this overview; after a command, that command's help"});
    text += optionLine({"version", nullptr, "the program's version"});
    for (const OptionHelp& option : kEveryCommand) text += optionLine(option);
    return text;
}

std::optional<QString> commandHelp(const QString& command) {
    const CommandPage* page = pageOf(command);
    if (!page) return std::nullopt;
    QString text = QStringLiteral("Usage: corvane ") + QLatin1String(page->usage) + QStringLiteral("\n\n") +
                   wrapped(QLatin1String(page->description), 0, kWidth) + QStringLiteral("\n\nOptions:\n");
    for (const OptionHelp& option : page->options) text += optionLine(option);
    for (const OptionHelp& option : kEveryCommand) text += optionLine(option);
    text += QStringLiteral("\nExamples:\n");
    for (const QString& line : QString::fromLatin1(page->examples).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        text += QStringLiteral("  ") + line + QLatin1Char('\n');
    return text;
}

QStringList commandOptions(const QString& command) {
    QStringList names;
    if (const CommandPage* page = pageOf(command)) {
        for (const OptionHelp& option : page->options) names << QLatin1String(option.name);
        for (const OptionHelp& option : kEveryCommand) names << QLatin1String(option.name);
    }
    return names;
}

}  // namespace corvane::cli
