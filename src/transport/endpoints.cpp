#include "transport/endpoints.h"

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QCommandLineParser>
#include <QtGlobal>

#include "link/ipv4_address.h"

namespace corvane::transport {

namespace {

struct OptionName {
    const char* option;
    const char* environment;
};

constexpr OptionName kTarget{"target", "CORVANE_TARGET"};
constexpr OptionName kRemotePort{"remote-port", "CORVANE_REMOTE_PORT"};
constexpr OptionName kLocalPort{"local-port", "CORVANE_LOCAL_PORT"};
constexpr OptionName kSurveyPortOption{"survey-port", "CORVANE_SURVEY_PORT"};
constexpr OptionName kLocalAddress{"local-address", "CORVANE_LOCAL_ADDRESS"};
constexpr OptionName kPrinterHost{"printer-host", "CORVANE_PRINTER_HOST"};
constexpr OptionName kRate{"rate", "CORVANE_RATE"};
constexpr OptionName kAll[] = {kTarget, kRemotePort, kLocalPort, kSurveyPortOption, kLocalAddress, kPrinterHost, kRate};

void readPort(const QString& name, const QString& text, int& port, QStringList* errors) {
    if (text.isEmpty()) return;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok && value >= 0 && value <= 65535) {
        port = value;
    } else if (errors) {
        errors->append(QStringLiteral("%1: \"%2\" is not a port number (0-65535)").arg(name, text));
    }
}

void readRate(const QString& name, const QString& text, int& rate, QStringList* errors) {
    if (text.isEmpty()) return;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok && value >= 1 && value <= LanEndpoints::kMaxRate) {
        rate = value;
    } else if (errors) {
        errors->append(QStringLiteral("%1: \"%2\" is not a number of requests per second (1-%3)")
                           .arg(name, text)
                           .arg(LanEndpoints::kMaxRate));
    }
}

// An IPv4 address is kept in dotted form, as link::ParseIpv4Address reads
// it. Anything else keeps the default and is described in `errors`.
void readIpv4(const QString& name, const QString& text, QString& address, QStringList* errors) {
    if (text.isEmpty()) return;
    if (const auto parsed = link::ParseIpv4Address(text.toStdString())) {
        address = QString::fromStdString(parsed->text());
    } else if (errors) {
        errors->append(QStringLiteral("%1: \"%2\" is not an IPv4 address").arg(name, text));
    }
}

QString latin1(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

bool isUnconfiguredAddress(const QString& address) {
    const auto parsed = link::ParseIpv4Address(address.toStdString());
    return parsed && parsed->isUnconfigured();
}

link::Result<QStringList, QString> parseTargetList(const QString& text, int limit) {
    // The reasons read in the windows' language; the command line loads no
    // catalog and prints them in English.
    QStringList out;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const QString item = part.trimmed();
        if (item.isEmpty()) {
            return QCoreApplication::translate("LanEndpoints",
                                               "the list has an empty entry (two commas in a row, or one at an end)");
        }
        // "A.B.C.D" or "A.B.C.D-E": the address is read as every address is,
        // the end of the range as one more last part.
        const qsizetype dash = item.indexOf(QLatin1Char('-'));
        const auto first = link::ParseIpv4Address(item.left(dash < 0 ? item.size() : dash).toStdString());
        const auto end = dash < 0 ? first : link::ParseIpv4Address("0.0.0." + item.mid(dash + 1).toStdString());
        if (!first || !end) {
            return QCoreApplication::translate("LanEndpoints", "\"%1\" is not an IPv4 address or a range A.B.C.D-E")
                .arg(item);
        }
        const int start = first->octets()[3];
        const int last = end->octets()[3];
        if (last < start) {
            return QCoreApplication::translate("LanEndpoints", "the range \"%1\" ends before it starts").arg(item);
        }
        for (int d = start; d <= last; ++d) {
            if (out.size() >= limit) {
                return QCoreApplication::translate("LanEndpoints", "more than %1 addresses").arg(limit);
            }
            out << QString::fromStdString(link::Ipv4Address(first->value() - start + d).text());
        }
    }
    return out;
}

QStringList LanEndpoints::targets() const {
    if (target.isEmpty()) return {};
    // The readers keep only targets that parse.
    if (auto list = parseTargetList(target, kMaxTargets)) return *list;
    return {};
}

bool LanEndpoints::unicastTargets() const {
    const QStringList list = targets();
    if (list.isEmpty()) return false;
    for (const QString& t : list) {
        if (t.endsWith(QLatin1String(".255"))) return false;
    }
    return true;
}

QString LanEndpoints::targetFor(link::ListMode mode, const QString& broadcastAddress) const {
    if (!target.isEmpty()) return target;
    return mode == link::ListMode::Wlan ? broadcastAddress : latin1(link::kBroadcastHost);
}

int LanEndpoints::remotePortFor(link::ListMode mode) const {
    if (remotePort >= 0) return remotePort;
    return mode == link::ListMode::Wlan ? link::kWlanRemotePort : link::kEthernetRemotePort;
}

QString LanEndpoints::printerAddressFor(const QString& reported) const {
    return printerHost.isEmpty() ? reported : printerHost;
}

int LanEndpoints::localPortFor(link::ListMode mode) const {
    if (localPort >= 0) return localPort;
    return mode == link::ListMode::Wlan ? link::kWlanLocalPort : link::kEthernetLocalPort;
}

void LanEndpoints::addOptions(QCommandLineParser& parser) {
    parser.addOption({QString::fromLatin1(kTarget.option),
                      QStringLiteral("Send LAN requests to HOST instead of the broadcast address; for a search "
                                     "also a list of addresses and last-octet ranges, such as "
                                     "10.0.0.5-20,10.0.1.7 (at most 256, paced by --rate)."),
                      QStringLiteral("ADDR")});
    parser.addOption({QString::fromLatin1(kRemotePort.option),
                      QStringLiteral("UDP port of the printers (default 48781 or 3337)."), QStringLiteral("N")});
    parser.addOption({QString::fromLatin1(kLocalPort.option),
                      QStringLiteral("Local UDP port (default 48780 or 9000; 0: any free port)."),
                      QStringLiteral("N")});
    parser.addOption({QString::fromLatin1(kSurveyPortOption.option),
                      QStringLiteral("TCP port of the access-point survey (default 3318)."), QStringLiteral("N")});
    parser.addOption({QString::fromLatin1(kLocalAddress.option),
                      QStringLiteral("Local IPv4 address to search from, instead of asking."), QStringLiteral("ADDR")});
    parser.addOption({QString::fromLatin1(kPrinterHost.option),
                      QStringLiteral("Connect to HOST (an IPv4 address) instead of the address a printer reports, "
                                     "for its access-point survey and its web page."),
                      QStringLiteral("HOST")});
    parser.addOption({QString::fromLatin1(kRate.option),
                      QStringLiteral("Requests per second to a --target list (default 20, at most 1000); the "
                                     "search ends 1.1 s after the last one."),
                      QStringLiteral("N")});
}

LanEndpoints LanEndpoints::fromLookup(const std::function<QString(const QString&)>& lookup, QStringList* errors) {
    LanEndpoints endpoints;
    // Addresses only: a host name would be looked up, a slip would reach
    // the wrong network. What does not parse is refused, never resolved.
    endpoints.target = lookup(QString::fromLatin1(kTarget.option)).trimmed();
    if (!endpoints.target.isEmpty()) {
        if (const auto list = parseTargetList(endpoints.target, kMaxTargets); !list) {
            if (errors) errors->append(QStringLiteral("%1: %2").arg(QString::fromLatin1(kTarget.option), list.error()));
            endpoints.target.clear();
        } else if (list->size() == 1 && !endpoints.target.contains(QLatin1Char('-'))) {
            endpoints.target = list->first();  // "010.0.0.5" goes out as 10.0.0.5
        }
    }
    readPort(QString::fromLatin1(kRemotePort.option), lookup(QString::fromLatin1(kRemotePort.option)).trimmed(),
             endpoints.remotePort, errors);
    readPort(QString::fromLatin1(kLocalPort.option), lookup(QString::fromLatin1(kLocalPort.option)).trimmed(),
             endpoints.localPort, errors);
    readPort(QString::fromLatin1(kSurveyPortOption.option),
             lookup(QString::fromLatin1(kSurveyPortOption.option)).trimmed(), endpoints.surveyPort, errors);

    readIpv4(QString::fromLatin1(kLocalAddress.option), lookup(QString::fromLatin1(kLocalAddress.option)).trimmed(),
             endpoints.localAddress, errors);
    readIpv4(QString::fromLatin1(kPrinterHost.option), lookup(QString::fromLatin1(kPrinterHost.option)).trimmed(),
             endpoints.printerHost, errors);
    readRate(QString::fromLatin1(kRate.option), lookup(QString::fromLatin1(kRate.option)).trimmed(), endpoints.rate,
             errors);
    return endpoints;
}

namespace {

QString environmentFor(const QString& option) {
    for (const OptionName& name : kAll) {
        if (option == QLatin1String(name.option)) return qEnvironmentVariable(name.environment);
    }
    return {};
}

}  // namespace

LanEndpoints LanEndpoints::fromParser(const QCommandLineParser& parser, QStringList* errors) {
    LanEndpoints endpoints = fromLookup(
        [&parser](const QString& option) {
            return parser.isSet(option) ? parser.value(option) : environmentFor(option);
        },
        errors);
    // An empty --target would quietly mean "broadcast to the whole network".
    const QString target = QString::fromLatin1(kTarget.option);
    if (parser.isSet(target) && parser.value(target).trimmed().isEmpty() && errors) {
        errors->append(QStringLiteral("%1: empty; leave the option out to search by broadcast").arg(target));
    }
    return endpoints;
}

LanEndpoints LanEndpoints::fromEnvironment(QStringList* errors) { return fromLookup(environmentFor, errors); }

LanEndpoints& LanEndpoints::current() {
    static LanEndpoints endpoints;
    return endpoints;
}

}  // namespace corvane::transport
