#include "cli/invocation.h"

#include <QRegularExpression>

#include "link/exchange/lan_exchanges.h"
#include "link/ipv4_address.h"
#include "transport/endpoints.h"

namespace corvane::cli {

namespace {

QCommandLineOption valueOption(const char* name, const char* description, const char* valueName) {
    return {QString::fromLatin1(name), QString::fromLatin1(description), QString::fromLatin1(valueName)};
}

// Options every command takes.
constexpr const char* kGlobalOptions[] = {"help", "version", "trace", "trace-secrets"};

}  // namespace

void addOptions(QCommandLineParser& parser) {
    parser.addOption({QStringLiteral("json"), QStringLiteral("Print JSON for machines instead of text.")});
    parser.addOption(valueOption("local",
                                 "discover, lan-set, lan-plan: local IPv4 address to search from; discover "
                                 "also takes \"all\": every local address at once, with an adapter "
                                 "column.",
                                 "ADDR"));
    parser.addOption(valueOption("mac",
                                 "lan-set: MAC address of the printer to change. history: that printer's "
                                 "changes only.",
                                 "MAC"));
    parser.addOption(valueOption("ip", "lan-set: new IP address. survey: the printer's IP address.", "A"));
    parser.addOption(valueOption("mask", "lan-set: new subnet mask.", "M"));
    parser.addOption(valueOption("gateway", "lan-set: new gateway.", "G"));
    parser.addOption(valueOption("port", "lan-set: new TCP port of the printer (0-32767).", "N"));
    parser.addOption(valueOption("inactivity", "lan-set: new inactivity time in seconds (0-3600).", "S"));
    parser.addOption(valueOption("dhcp", "lan-set: DHCP on or off.", "on|off"));
    parser.addOption(valueOption("baud", "lan-set: serial speed (1200 ... 230400).", "RATE"));
    parser.addOption({QStringLiteral("dry-run"),
                      QStringLiteral("lan-plan: print what would be sent and the warnings; send nothing.")});
    parser.addOption({QStringLiteral("force"),
                      QStringLiteral("lan-set, lan-plan: send even when the checks before sending warn (gateway "
                                     "outside the subnet, printer moving out of this computer's subnet).")});
    parser.addOption({QStringLiteral("allow-conflicts"),
                      QStringLiteral("lan-set, lan-plan: send even a value that conflicts (an address another "
                                     "printer holds, a network, broadcast or reserved address, a mask with "
                                     "gaps); --force does not.")});
    parser.addOption(
        {QStringLiteral("no-verify"), QStringLiteral("lan-set: do not search again to verify a confirmed change.")});
    // The defaults named in the help are the ones the exchanges use.
    parser.addOption({QStringLiteral("verify-delay"),
                      QStringLiteral("lan-set, lan-plan: pause before the first search that verifies a change, in "
                                     "milliseconds (default %1 Ethernet, %2 WLAN).")
                          .arg(link::kEthernetRestartPause.count())
                          .arg(link::kWlanRestartPause.count()),
                      QStringLiteral("MS")});
    parser.addOption({QStringLiteral("verify-timeout"),
                      QStringLiteral("lan-set, lan-plan: search again every %1 s until the printer shows the change "
                                     "or this many seconds after its confirmation (default %2 Ethernet, %3 WLAN).")
                          .arg(link::kVerifyInterval.count() / 1000)
                          .arg(link::kEthernetVerifyLimit.count() / 1000)
                          .arg(link::kWlanVerifyLimit.count() / 1000),
                      QStringLiteral("SECONDS")});
    parser.addOption(valueOption("serial", "link: serial port name or path (serial mode).", "NAME"));
    parser.addOption(valueOption("usb", "link: USB printer as listed by `corvane ports` (raw device mode).", "USBnnn"));
    parser.addOption(valueOption("device", "link: device node opened as it stands (raw device mode).", "PATH"));
    parser.addOption(valueOption("from", "link write: the configuration JSON to apply.", "FILE"));
    parser.addOption(valueOption("type", "link cert: certificate kind.", "ca|client-key|client-pem"));
    parser.addOption({QStringLiteral("show-secrets"),
                      QStringLiteral("link read, link write: print keys, passwords, the PIN and the SNMP write "
                                     "community instead of masking them (read --json: instead of leaving them "
                                     "out).")});
    parser.addOption(
        valueOption("profile", "link export, link apply: the profile file (see docs/profile.md).", "FILE"));
    parser.addOption({QStringLiteral("include-secrets"),
                      QStringLiteral("link export: put keys, passwords, the PIN and the SNMP write community in "
                                     "the profile (the file is then readable by you alone).")});
    parser.addOption({QStringLiteral("include-address"),
                      QStringLiteral("link export: put the address assignment (DHCP or fixed) and the IP "
                                     "address, mask and gateway in the profile.")});
    parser.addOption(valueOption("secrets",
                                 "link apply: the secrets the profile leaves out, as a profile that "
                                 "holds only them.",
                                 "FILE"));
    parser.addOption(valueOption("printers",
                                 "link provision: per-printer values by MAC (columns mac,name,ip,mask,gateway,"
                                 "port,user,password).",
                                 "CSV"));
    parser.addOption({QStringLiteral("test-print"),
                      QStringLiteral("lan-plan: a test page to each printer at its planned address afterwards.")});
    parser.addOption({QStringLiteral("once"), QStringLiteral("link provision: stop after the first printer.")});
    parser.addOption(valueOption("device-dir",
                                 "link provision: take every node in DIR as a printer (raw device mode) instead of "
                                 "the USB printers.",
                                 "DIR"));
    parser.addOption({QStringLiteral("check"),
                      QStringLiteral("link apply: report the differences, write nothing; secrets the profile "
                                     "leaves out are named, not compared.")});
    parser.addOption(valueOption("since",
                                 "history: changes from this date (2024-05-01) or ISO 8601 time on, UTC "
                                 "unless it says otherwise.",
                                 "DATE"));
    parser.addOption({QStringLiteral("csv"), QStringLiteral("history, discover: print comma-separated values.")});
    parser.addOption(
        valueOption("link-timeout-ms", "link: longest wait for the first byte of one reply (default 90000).", "N"));
    parser.addOption(
        valueOption("link-read",
                    "link: when a reply has been read: complete (a reply frame that verifies ends at once, "
                    "acknowledgements after 100 ms without a byte; the default) or silence (every reply after "
                    "100 ms without a byte). Default from CORVANE_LINK_READ.",
                    "RULE"));
    parser.addOption(valueOption("trace",
                                 "every command: write a wire log of every datagram, TCP segment and direct-link "
                                 "read and write to FILE (created readable by you alone; keys and passwords "
                                 "written as **). Default from CORVANE_TRACE.",
                                 "FILE"));
    parser.addOption({QStringLiteral("trace-secrets"),
                      QStringLiteral("with --trace: write keys, passwords and certificate bytes as they went.")});
    transport::LanEndpoints::addOptions(parser);
}

Invocation::Invocation(const QCommandLineParser& parser) : parser_(parser) {}

QStringList Invocation::arguments() const { return parser_.positionalArguments().mid(1); }

std::optional<QString> Invocation::unexpectedOption(const QString& command,
                                                    std::initializer_list<const char*> accepted) const {
    for (const QString& name : parser_.optionNames()) {
        bool known = false;
        for (const char* option : accepted) known = known || name == QLatin1String(option);
        for (const char* option : kGlobalOptions) known = known || name == QLatin1String(option);
        if (!known) return QStringLiteral("option --%1 does not apply to %2").arg(name, command);
    }
    return std::nullopt;
}

std::optional<long long> parseInteger(const QString& text, long long minimum, long long maximum) {
    static const QRegularExpression digits(QStringLiteral("^-?\\d{1,18}$"));
    if (!digits.match(text.trimmed()).hasMatch()) return std::nullopt;
    const long long value = text.trimmed().toLongLong();
    if (value < minimum || value > maximum) return std::nullopt;
    return value;
}

}  // namespace corvane::cli
