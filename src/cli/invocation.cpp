#include "cli/invocation.h"

#include <QHostAddress>
#include <QRegularExpression>

#include "link/exchange/lan_exchanges.h"
#include "transport/endpoints.h"

namespace corvane::cli {

namespace {

QCommandLineOption valueOption(const char* name, const char* description, const char* valueName) {
    return {QString::fromLatin1(name), QString::fromLatin1(description), QString::fromLatin1(valueName)};
}

// Options every command takes.
constexpr const char* kGlobalOptions[] = {"help", "version"};

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
    parser.addOption(
        {QStringLiteral("force"), QStringLiteral("lan-set, lan-plan: send even when the checks before sending warn.")});
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
    parser.addOption(
        valueOption("profile", "link export, link apply: the profile file (see docs/profile.md).", "FILE"));
    parser.addOption({QStringLiteral("include-secrets"),
                      QStringLiteral("link export: put keys, passwords and the PIN in the profile (the file is "
                                     "then readable by you alone).")});
    parser.addOption({QStringLiteral("include-address"),
                      QStringLiteral("link export: put the fixed IP address, mask and gateway in the profile.")});
    parser.addOption(valueOption("secrets",
                                 "link apply: the secrets the profile leaves out, as a profile that "
                                 "holds only them.",
                                 "FILE"));
    parser.addOption({QStringLiteral("check"), QStringLiteral("link apply: report the differences, write nothing.")});
    parser.addOption(valueOption("since",
                                 "history: changes from this date (2024-05-01) or ISO 8601 time on, UTC "
                                 "unless it says otherwise.",
                                 "DATE"));
    parser.addOption({QStringLiteral("csv"), QStringLiteral("history, discover: print comma-separated values.")});
    parser.addOption(
        valueOption("link-timeout-ms", "link: longest wait for the first byte of one reply (default 90000).", "N"));
    parser.addOption(
        valueOption("link-read",
                    "link: when a reply has been read: complete (once it is whole, the default) or silence "
                    "(after 100 ms without a byte, for printers that send more after a reply's end). "
                    "Default from CORVANE_LINK_READ.",
                    "RULE"));
    lan::LanEndpoints::addOptions(parser);
}

QString helpText(const QCommandLineParser& parser) {
    return QStringLiteral(
               "Usage: corvane <command> [options]\n"
               "\n"
               "Commands:\n"
               "  ports                       serial ports and USB printers\n"
               "  discover ethernet|wlan      search the LAN for printers [--json|--csv]\n"
               "  lan-set ethernet|wlan       change a printer's network settings:\n"
               "                              --mac MAC [--ip A] [--mask M] [--gateway G]\n"
               "                              [--port N] [--inactivity S] [--dhcp on|off]\n"
               "                              [--baud RATE] [--force] [--no-verify]\n"
               "                              checks the values first (warnings refuse\n"
               "                              unless --force), then searches again and\n"
               "                              compares what the printer reports\n"
               "  lan-plan ethernet|wlan PLAN.csv\n"
               "                              set many printers from a plan with the\n"
               "                              columns mac,ip,mask,gateway,port,inactivity,\n"
               "                              dhcp,baud (header row required, blank cell:\n"
               "                              keep): [--dry-run] [--force] [--json]; a bad\n"
               "                              row stops the plan before anything is sent;\n"
               "                              exit 0 when every row is unchanged or verified\n"
               "  survey --ip ADDR            access points a LAN printer sees\n"
               "  link info|read|write|survey|cert|export|apply\n"
               "                              a printer on the direct link (--serial NAME,\n"
               "                              --usb USBnnn or --device PATH); read --json,\n"
               "                              write --from FILE.json, cert --type T FILE,\n"
               "                              export --profile FILE [--include-secrets]\n"
               "                              [--include-address], apply --profile FILE\n"
               "                              [--secrets FILE] [--check]: writes only the\n"
               "                              fields that differ (exit 0 whether or not one\n"
               "                              did; --json says \"changed\")\n"
               "  history                     the changes the tool sent, from\n"
               "                              $XDG_STATE_HOME/corvane/history.jsonl:\n"
               "                              [--mac MAC] [--since DATE] [--json|--csv]\n"
               "\n"
               "Exit status: 0 success; 1 the printer or the network refused or failed;\n"
               "2 bad usage or input refused before anything was sent (lan-set: also\n"
               "a check before sending warned);\n"
               "3 lan-set: the printer confirmed, but the search after it does not show\n"
               "the change;\n"
               "130 stopped by Ctrl-C (a link command closes the port first; lan-set\n"
               "and lan-plan end the pause before the check and report what was sent).\n"
               "\n") +
           parser.helpText().mid(std::max<qsizetype>(0, parser.helpText().indexOf(QStringLiteral("Options:"))));
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

std::optional<std::array<std::uint8_t, 4>> parseIpv4(const QString& text) {
    // Dotted decimal only: QHostAddress alone would also take "10" or "1.2".
    static const QRegularExpression dotted(QStringLiteral("^\\d{1,3}\\.\\d{1,3}\\.\\d{1,3}\\.\\d{1,3}$"));
    if (!dotted.match(text.trimmed()).hasMatch()) return std::nullopt;
    QHostAddress address;
    if (!address.setAddress(text.trimmed()) || address.protocol() != QAbstractSocket::IPv4Protocol) {
        return std::nullopt;
    }
    const quint32 value = address.toIPv4Address();
    return std::array<std::uint8_t, 4>{static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
                                       static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}

std::optional<std::array<std::uint8_t, 6>> parseMac(const QString& text) {
    static const QRegularExpression separated(
        QStringLiteral("^([0-9A-Fa-f]{2})([:-]?)([0-9A-Fa-f]{2})\\2([0-9A-Fa-f]{2})\\2([0-9A-Fa-f]{2})\\2"
                       "([0-9A-Fa-f]{2})\\2([0-9A-Fa-f]{2})$"));
    const auto match = separated.match(text.trimmed());
    if (!match.hasMatch()) return std::nullopt;
    std::array<std::uint8_t, 6> mac{};
    const int groups[] = {1, 3, 4, 5, 6, 7};
    for (std::size_t i = 0; i < mac.size(); ++i) {
        mac[i] = static_cast<std::uint8_t>(match.captured(groups[i]).toUInt(nullptr, 16));
    }
    return mac;
}

std::optional<long long> parseInteger(const QString& text, long long minimum, long long maximum) {
    static const QRegularExpression digits(QStringLiteral("^-?\\d{1,18}$"));
    if (!digits.match(text.trimmed()).hasMatch()) return std::nullopt;
    const long long value = text.trimmed().toLongLong();
    if (value < minimum || value > maximum) return std::nullopt;
    return value;
}

}  // namespace corvane::cli
