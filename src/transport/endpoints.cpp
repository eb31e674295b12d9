#include "endpoints.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QHostAddress>
#include <QRegularExpression>
#include <QtGlobal>

namespace corvane::lan {

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

// An IPv4 address is kept in dotted form: the parser also takes short forms
// such as "127.1", which sockets and URLs would read differently. Anything
// else keeps the default and is described in `errors`.
void readIpv4(const QString& name, const QString& text, QString& address, QStringList* errors) {
    if (text.isEmpty()) return;
    QHostAddress parsed;
    if (parsed.setAddress(text) && parsed.protocol() == QAbstractSocket::IPv4Protocol) {
        address = parsed.toString();
    } else if (errors) {
        errors->append(QStringLiteral("%1: \"%2\" is not an IPv4 address").arg(name, text));
    }
}

QString latin1(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

bool isUnconfiguredAddress(const QString& address) {
    QHostAddress parsed;
    if (!parsed.setAddress(address) || parsed.protocol() != QAbstractSocket::IPv4Protocol) return false;
    return (parsed.toIPv4Address() >> 24) == 0;
}

link::Result<QStringList, QString> parseTargetList(const QString& text, int limit) {
    static const QRegularExpression item(
        QStringLiteral("^(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})(?:-(\\d{1,3}))?$"));
    QStringList out;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const auto m = item.match(part.trimmed());
        bool inRange = m.hasMatch();
        for (int i = 1; inRange && i <= 5; ++i) inRange = m.captured(i).isEmpty() || m.captured(i).toInt() <= 255;
        if (!inRange) {
            return QStringLiteral("\"%1\" is not an IPv4 address or a range A.B.C.D-E").arg(part.trimmed());
        }
        const int first = m.captured(4).toInt();
        const int last = m.captured(5).isEmpty() ? first : m.captured(5).toInt();
        if (last < first) {
            return QStringLiteral("the range \"%1\" ends before it starts").arg(part.trimmed());
        }
        const QString prefix = QStringLiteral("%1.%2.%3.")
                                   .arg(m.captured(1).toInt())
                                   .arg(m.captured(2).toInt())
                                   .arg(m.captured(3).toInt());
        for (int d = first; d <= last; ++d) {
            if (out.size() >= limit) {
                return QStringLiteral("more than %1 addresses").arg(limit);
            }
            out << prefix + QString::number(d);
        }
    }
    return out;
}

QStringList LanEndpoints::targets() const {
    if (target.isEmpty()) return {};
    // A single name that is not a list (a host name) stays as it is.
    if (auto list = parseTargetList(target, kMaxTargets)) return *list;
    return {target};
}

bool LanEndpoints::unicastTargets() const {
    const QStringList list = targets();
    if (list.isEmpty()) return false;
    for (const QString& t : list) {
        if (t.endsWith(QLatin1String(".255"))) return false;
    }
    return true;
}

QString LanEndpoints::targetFor(ListMode mode, const QString& broadcastAddress) const {
    if (!target.isEmpty()) return target;
    return mode == ListMode::Wlan ? broadcastAddress : latin1(kBroadcastHost);
}

int LanEndpoints::remotePortFor(ListMode mode) const {
    if (remotePort >= 0) return remotePort;
    return mode == ListMode::Wlan ? kWlanRemotePort : kEthernetRemotePort;
}

QString LanEndpoints::printerAddressFor(const QString& reported) const {
    return printerHost.isEmpty() ? reported : printerHost;
}

int LanEndpoints::localPortFor(ListMode mode) const {
    if (localPort >= 0) return localPort;
    return mode == ListMode::Wlan ? kWlanLocalPort : kEthernetLocalPort;
}

void LanEndpoints::addOptions(QCommandLineParser& parser) {
    parser.addOption({QString::fromLatin1(kTarget.option),
                      QStringLiteral("Send LAN requests to HOST instead of the broadcast address; for a search "
                                     "also a list of addresses and last-octet ranges, such as "
                                     "10.0.0.5-20,10.0.1.7 (at most 256, paced by --rate)."),
                      QStringLiteral("HOST")});
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
    endpoints.target = lookup(QString::fromLatin1(kTarget.option)).trimmed();
    if (endpoints.target.contains(QLatin1Char(',')) ||
        QRegularExpression(QStringLiteral("^[\\d.]+-")).match(endpoints.target).hasMatch()) {
        if (const auto list = parseTargetList(endpoints.target, kMaxTargets); !list) {
            if (errors) errors->append(QStringLiteral("%1: %2").arg(QString::fromLatin1(kTarget.option), list.error()));
            endpoints.target.clear();
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
    return fromLookup(
        [&parser](const QString& option) {
            return parser.isSet(option) ? parser.value(option) : environmentFor(option);
        },
        errors);
}

LanEndpoints LanEndpoints::fromEnvironment(QStringList* errors) { return fromLookup(environmentFor, errors); }

LanEndpoints& LanEndpoints::current() {
    static LanEndpoints endpoints;
    return endpoints;
}

}  // namespace corvane::lan
