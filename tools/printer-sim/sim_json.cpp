#include "sim_json.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStringList>

#include <limits>

#include "link/config_fields.h"
#include "link/visible_text.h"

namespace corvane::sim {

namespace {

using link::PrinterConfig;

// Reading fails on the first malformed value; the message names the key.
struct Reader {
    QString* error;
    bool ok = true;

    void fail(const QString& what) {
        if (ok && error) *error = what;
        ok = false;
    }

    template <typename T>
    void integer(const QJsonObject& o, const char* key, T& out, long long lo = std::numeric_limits<T>::min(),
                 long long hi = std::numeric_limits<T>::max()) {
        if (!o.contains(key)) return;
        const auto v = o.value(key);
        const double d = v.toDouble(std::numeric_limits<double>::quiet_NaN());
        if (!v.isDouble() || d != static_cast<double>(static_cast<long long>(d)) || d < static_cast<double>(lo) ||
            d > static_cast<double>(hi))
            return fail(QStringLiteral("\"%1\" must be a whole number from %2 to %3").arg(key).arg(lo).arg(hi));
        out = static_cast<T>(d);
    }

    void flag(const QJsonObject& o, const char* key, bool& out) {
        if (!o.contains(key)) return;
        if (!o.value(key).isBool()) return fail(QStringLiteral("\"%1\" must be true or false").arg(key));
        out = o.value(key).toBool();
    }

    void flagByte(const QJsonObject& o, const char* key, std::uint8_t& out) {
        if (o.value(key).isBool()) out = o.value(key).toBool() ? 1 : 0;
        else integer(o, key, out);
    }

    void text(const QJsonObject& o, const char* key, std::string& out) {
        if (!o.contains(key)) return;
        if (!o.value(key).isString()) return fail(QStringLiteral("\"%1\" must be a text").arg(key));
        out = o.value(key).toString().toStdString();
    }

    template <std::size_t N>
    void parseOctets(const QString& value, const char* key, std::array<std::uint8_t, N>& out, QChar separator,
                     int base) {
        QString v = value;
        if (separator == ':') v.replace('-', ':');
        const auto parts = v.split(separator);
        if (parts.size() != static_cast<qsizetype>(N))
            return fail(
                QStringLiteral("\"%1\" is not a valid %2").arg(key, base == 16 ? "MAC address" : "IPv4 address"));
        for (std::size_t i = 0; i < N; ++i) {
            bool good = false;
            const auto n = parts[static_cast<qsizetype>(i)].toUInt(&good, base);
            if (!good || n > 255)
                return fail(QStringLiteral("\"%1\" has a bad part \"%2\"").arg(key, parts[static_cast<qsizetype>(i)]));
            out[i] = static_cast<std::uint8_t>(n);
        }
    }

    void mac(const QJsonObject& o, const char* key, std::array<std::uint8_t, 6>& out) {
        if (o.contains(key)) parseOctets(o.value(key).toString(), key, out, ':', 16);
    }
    void ip(const QJsonObject& o, const char* key, link::Ipv4Address& out) {
        if (!o.contains(key)) return;
        link::Ipv4Octets a = out.octets();
        parseOctets(o.value(key).toString(), key, a, '.', 10);
        out = link::Ipv4Address(a);
    }

    void kinds(const QJsonObject& o, const char* key, KindSet& out) {
        if (!o.contains(key)) return;
        const auto v = o.value(key);
        if (v.isBool()) {
            out = v.toBool() ? KindSet::all() : KindSet{};
            return;
        }
        if (v.isString()) {
            auto parsed = KindSet::parse(v.toString().toStdString());
            if (!parsed) return fail(QStringLiteral("\"%1\" names an unknown message kind").arg(key));
            out = *parsed;
            return;
        }
        if (!v.isArray()) return fail(QStringLiteral("\"%1\" must be a list of message kinds").arg(key));
        KindSet set;
        for (const auto& item : v.toArray()) {
            const auto kind = KindFromName(item.toString().toStdString());
            if (!kind)
                return fail(QStringLiteral("\"%1\" names an unknown message kind \"%2\"").arg(key, item.toString()));
            set.add(*kind);
        }
        out = set;
    }
};

QString macText(const std::uint8_t* mac) {
    QStringList parts;
    for (int i = 0; i < 6; ++i) parts << QStringLiteral("%1").arg(mac[i], 2, 16, QLatin1Char('0')).toUpper();
    return parts.join(':');
}

QString IpText(link::Ipv4Address a) { return QString::fromStdString(a.text()); }

QJsonValue KindList(const KindSet& set) {
    if (set == KindSet::all()) return QStringLiteral("all");
    QJsonArray a;
    for (const auto& n : set.names()) a.append(QString::fromStdString(n));
    return a;
}

// The record's fields under their own names, from the record's field table.
void ReadConfig(Reader& r, const QJsonObject& o, PrinterConfig& c) {
    for (const link::ConfigField& f : link::ConfigFields()) {
        const std::string key(f.name);
        if (f.kind == link::FieldKind::Text) {
            std::string text = std::get<std::string>(f.get(c));
            r.text(o, key.c_str(), text);
            f.set(c, text);
        } else if (f.kind == link::FieldKind::Address) {
            link::Ipv4Address address = std::get<link::Ipv4Address>(f.get(c));
            r.ip(o, key.c_str(), address);
            f.set(c, address);
        } else if (f.width == 1) {
            auto byte = static_cast<std::uint8_t>(std::get<std::uint32_t>(f.get(c)));
            r.flagByte(o, key.c_str(), byte);
            f.set(c, byte);
        } else {
            auto word = static_cast<std::uint16_t>(std::get<std::uint32_t>(f.get(c)));
            r.integer(o, key.c_str(), word);
            f.set(c, word);
        }
    }
}

QJsonObject WriteConfig(const PrinterConfig& c) {
    QJsonObject o;
    for (const link::ConfigField& f : link::ConfigFields()) {
        const QString key = QString::fromLatin1(f.name.data(), static_cast<qsizetype>(f.name.size()));
        if (f.kind == link::FieldKind::Number) o.insert(key, static_cast<qint64>(std::get<std::uint32_t>(f.get(c))));
        else if (f.kind == link::FieldKind::Address) o.insert(key, IpText(std::get<link::Ipv4Address>(f.get(c))));
        else o.insert(key, QString::fromStdString(std::get<std::string>(f.get(c))));
    }
    return o;
}

void ReadFaults(Reader& r, const QJsonObject& o, Faults& f) {
    r.kinds(o, "silent", f.silent);
    r.kinds(o, "delayOn", f.delayOn);
    r.integer(o, "delayMs", f.delayMs, 0, 600000);
    r.kinds(o, "corruptChecksum", f.corruptChecksum);
    r.kinds(o, "truncate", f.truncate);
    r.kinds(o, "upperHex", f.upperHex);
    r.kinds(o, "duplicate", f.duplicate);
    r.kinds(o, "refuse", f.refuse);
    r.flag(o, "modeReply7E", f.modeReply7E);
    r.flag(o, "shortWlanAnswer", f.shortWlanAnswer);
    r.flag(o, "keepSettings", f.keepSettings);
    r.integer(o, "withholdStrt", f.withholdStrt, 0, 1000000);
    r.integer(o, "certFailures", f.certFailures, 0, 1000000);
    r.integer(o, "certFailChunk", f.certFailChunk, -1, 1000000);
    r.integer(o, "flood", f.flood, 0, 5000);
    r.integer(o, "floodBurst", f.floodBurst, 1, 5000);
    r.integer(o, "floodIntervalMs", f.floodIntervalMs, 0, 1000);
    r.integer(o, "pieces", f.pieces, 0, 64);
    r.integer(o, "pieceGapMs", f.pieceGapMs, 0, 10000);
    r.integer(o, "ackTailMs", f.ackTailMs, 0, 10000);
    r.integer(o, "deafAfterAckMs", f.deafAfterAckMs, 0, 10000);
    r.flag(o, "echo", f.echo);
    r.integer(o, "restartMs", f.restartMs, 0, 600000);
}

void ReadSurvey(Reader& r, const QJsonArray& a, std::vector<AccessPoint>& survey) {
    survey.clear();
    for (const auto& item : a) {
        const auto o = item.toObject();
        AccessPoint ap;
        r.text(o, "ssid", ap.ssid);
        // Bytes that are not UTF-8 (any byte string is a valid SSID), as the
        // command line's JSON gives them.
        if (o.contains("ssidHex") && !link::ParseHexBytes(o.value("ssidHex").toString().toStdString(), ap.ssid))
            r.fail(QStringLiteral("\"ssidHex\" must be hexadecimal digits, two a byte"));
        if (ap.ssid.size() > 255) r.fail(QStringLiteral("\"ssid\" longer than 255 bytes"));
        r.mac(o, "bssid", ap.bssid);
        r.integer(o, "mode", ap.mode);
        r.integer(o, "rssi", ap.rssi);
        r.integer(o, "security", ap.security);
        survey.push_back(ap);
    }
}

QJsonArray WriteSurvey(const std::vector<AccessPoint>& survey) {
    QJsonArray a;
    for (const auto& ap : survey)
        a.append(QJsonObject{{"ssid", QString::fromStdString(ap.ssid)},
                             {"bssid", macText(ap.bssid.data())},
                             {"mode", ap.mode},
                             {"rssi", ap.rssi},
                             {"security", ap.security}});
    return a;
}

void ReadRecord(Reader& r, const QJsonObject& o, link::DiscoveredDevice& d) {
    std::array<std::uint8_t, 6> mac{};
    std::copy_n(d.raw.begin(), 6, mac.begin());
    r.mac(o, "mac", mac);
    std::copy(mac.begin(), mac.end(), d.raw.begin());
    auto ip = d.ipAddress(), mask = d.subnetMask(), gateway = d.gateway();
    r.ip(o, "ip", ip);
    r.ip(o, "mask", mask);
    r.ip(o, "gateway", gateway);
    d.setIpAddress(ip);
    d.setSubnetMask(mask);
    d.setGateway(gateway);
    auto port = d.port();
    r.integer(o, "port", port);
    d.setPort(port);
    auto baud = d.baudCode();
    r.integer(o, "baudCode", baud);
    d.setBaudCode(baud);
    if (o.contains("firmware")) {
        const auto parts = o.value("firmware").toString().split('.');
        bool okMajor = false, okMinor = false;
        const auto major = parts.value(0).toUInt(&okMajor), minor = parts.value(1).toUInt(&okMinor);
        if (parts.size() != 2 || !okMajor || !okMinor || major > 255 || minor > 255)
            r.fail(QStringLiteral("\"firmware\" must look like \"2.4\""));
        d.raw[21] = static_cast<std::uint8_t>(major);
        d.raw[22] = static_cast<std::uint8_t>(minor);
    }
    bool dhcp = d.dhcp();
    r.flag(o, "dhcp", dhcp);
    d.setDhcp(dhcp);
    auto inactivity = d.inactivityTime();
    r.integer(o, "inactivity", inactivity);
    d.setInactivityTime(inactivity);
    r.flagByte(o, "https", d.raw[26]);
    if (d.mode == link::ListMode::Wlan) {
        r.integer(o, "featureCode", d.raw[27]);
        r.integer(o, "reserved", d.raw[28]);
    }
}

QJsonObject WriteRecord(const link::DiscoveredDevice& d) {
    QJsonObject o{{"mac", macText(d.raw.data())},
                  {"ip", IpText(d.ipAddress())},
                  {"mask", IpText(d.subnetMask())},
                  {"gateway", IpText(d.gateway())},
                  {"port", d.port()},
                  {"baudCode", d.baudCode()},
                  {"firmware", QStringLiteral("%1.%2").arg(d.firmwareMajor()).arg(d.firmwareMinor())},
                  {"dhcp", d.dhcp()},
                  {"inactivity", d.inactivityTime()},
                  {"https", d.httpsEnabled()}};
    if (d.mode == link::ListMode::Wlan) {
        o.insert("featureCode", d.featureCode());
        o.insert("reserved", d.reservedByte());
    }
    return o;
}

template <typename Printer>
void ReadPrinters(Reader& r, const QJsonObject& json, const char* key, link::ListMode mode,
                  std::vector<Printer>& list) {
    if (!json.contains(key)) return;
    if (!json.value(key).isArray()) return r.fail(QStringLiteral("\"%1\" must be a list of printers").arg(key));
    list.clear();
    std::uint8_t n = 0;
    for (const auto& item : json.value(key).toArray()) {
        const auto o = item.toObject();
        Printer p;
        // Unnamed printers still get distinct MACs and addresses.
        ++n;
        p.record = MakeRecord(
            mode, {0x00, 0x11, 0x62, static_cast<std::uint8_t>(mode == link::ListMode::Wlan ? 0x0B : 0x0A), 0x10, n},
            {192, 168, 0, static_cast<std::uint8_t>(n + (mode == link::ListMode::Wlan ? 150 : 200) - 1)}, 9100);
        ReadRecord(r, o, p.record);
        ReadFaults(r, o.value("faults").toObject(), p.faults);
        r.text(o, "answerFrom", p.answerFrom);
        if constexpr (requires { p.survey; }) {
            if (o.contains("survey")) ReadSurvey(r, o.value("survey").toArray(), p.survey);
        }
        list.push_back(std::move(p));
    }
}

void ReadLink(Reader& r, const QJsonObject& o, LinkPrinter& l) {
    r.flag(o, "present", l.present);
    if (o.contains("layout")) {
        const auto layout = o.value("layout").toString();
        if (layout == "newer") l.layout = link::ConfigLayout::Newer;
        else if (layout == "older") l.layout = link::ConfigLayout::Older;
        else r.fail(QStringLiteral("\"layout\" must be \"newer\" or \"older\""));
    }
    r.text(o, "makerName", l.makerName);
    r.flag(o, "makerMissing", l.makerMissing);
    r.integer(o, "statusByte", l.statusByte, -1, 255);
    if (o.contains("system")) {
        const auto s = o.value("system").toObject();
        r.text(s, "firmwareVersion", l.system.firmwareVersion);
        r.text(s, "updateDate", l.system.updateDate);
        r.mac(s, "macAddress", l.system.macAddress);
    }
    if (o.contains("config")) ReadConfig(r, o.value("config").toObject(), l.config);
    if (o.contains("survey")) ReadSurvey(r, o.value("survey").toArray(), l.survey);
    ReadFaults(r, o.value("faults").toObject(), l.faults);
}

}  // namespace

bool LoadFaults(const QJsonObject& json, Faults& faults, QString* error) {
    Reader r{error};
    ReadFaults(r, json, faults);
    return r.ok;
}

namespace {
QJsonObject AllFaultFields(const Faults& f) {
    return QJsonObject{{"silent", KindList(f.silent)},
                       {"delayOn", KindList(f.delayOn)},
                       {"delayMs", f.delayMs},
                       {"corruptChecksum", KindList(f.corruptChecksum)},
                       {"truncate", KindList(f.truncate)},
                       {"upperHex", KindList(f.upperHex)},
                       {"duplicate", KindList(f.duplicate)},
                       {"refuse", KindList(f.refuse)},
                       {"modeReply7E", f.modeReply7E},
                       {"shortWlanAnswer", f.shortWlanAnswer},
                       {"keepSettings", f.keepSettings},
                       {"withholdStrt", f.withholdStrt},
                       {"certFailures", f.certFailures},
                       {"certFailChunk", f.certFailChunk},
                       {"flood", f.flood},
                       {"floodBurst", f.floodBurst},
                       {"floodIntervalMs", f.floodIntervalMs},
                       {"pieces", f.pieces},
                       {"pieceGapMs", f.pieceGapMs},
                       {"ackTailMs", f.ackTailMs},
                       {"deafAfterAckMs", f.deafAfterAckMs},
                       {"echo", f.echo},

                       {"restartMs", f.restartMs}};
}
}  // namespace

QJsonObject DumpFaults(const Faults& f) {
    // Only what differs from a well-behaved printer, so a dump stays readable.
    auto fields = AllFaultFields(f);
    const auto plain = AllFaultFields(Faults{});
    for (auto it = plain.begin(); it != plain.end(); ++it)
        if (fields.value(it.key()) == it.value()) fields.remove(it.key());
    return fields;
}

bool LoadState(const QJsonObject& json, SimState& state, QString* error) {
    Reader r{error};
    ReadPrinters(r, json, "ethernet", link::ListMode::Ethernet, state.ethernet);
    ReadPrinters(r, json, "wlan", link::ListMode::Wlan, state.wlan);
    if (json.contains("link")) ReadLink(r, json.value("link").toObject(), state.link);
    return r.ok;
}

bool LoadStateFile(const QString& path, SimState& state, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const auto doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!doc.isObject()) {
        if (error) *error = QStringLiteral("%1 is not a JSON object: %2").arg(path, parseError.errorString());
        return false;
    }
    return LoadState(doc.object(), state, error);
}

namespace {

QJsonObject DumpLink(const LinkPrinter& l) {
    QJsonObject certificates;
    for (const auto& [type, data] : l.certificates)
        certificates.insert(QString::number(type),
                            QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(data.data()),
                                                           static_cast<qsizetype>(data.size()))
                                                    .toBase64()));
    return QJsonObject{{"present", l.present},
                       {"layout", l.layout == link::ConfigLayout::Newer ? "newer" : "older"},
                       {"makerName", QString::fromStdString(l.makerName)},
                       {"makerMissing", l.makerMissing},
                       {"statusByte", l.statusByte},
                       {"system", QJsonObject{{"firmwareVersion", QString::fromStdString(l.system.firmwareVersion)},
                                              {"updateDate", QString::fromStdString(l.system.updateDate)},
                                              {"macAddress", macText(l.system.macAddress.data())}}},
                       {"config", WriteConfig(l.config)},
                       {"survey", WriteSurvey(l.survey)},
                       {"certificates", certificates},
                       {"configWrites", l.configWrites},
                       {"faults", DumpFaults(l.faults)}};
}

}  // namespace

QJsonObject DumpState(const SimState& state) {
    QJsonArray ethernet, wlan;
    for (const auto& p : state.ethernet) {
        auto o = WriteRecord(p.record);
        o.insert("settingsApplied", p.settingsApplied);
        o.insert("faults", DumpFaults(p.faults));
        if (!p.answerFrom.empty()) o.insert("answerFrom", QString::fromStdString(p.answerFrom));
        ethernet.append(o);
    }
    for (const auto& p : state.wlan) {
        auto o = WriteRecord(p.record);
        o.insert("survey", WriteSurvey(p.survey));
        o.insert("settingsApplied", p.settingsApplied);
        o.insert("faults", DumpFaults(p.faults));
        if (!p.answerFrom.empty()) o.insert("answerFrom", QString::fromStdString(p.answerFrom));
        wlan.append(o);
    }
    QJsonObject plugged;
    for (const auto& [name, printer] : state.plugged) plugged.insert(QString::fromStdString(name), DumpLink(printer));
    QJsonArray printed;
    for (const auto& job : state.printed) {
        const QByteArray data(reinterpret_cast<const char*>(job.data.data()), static_cast<qsizetype>(job.data.size()));
        printed.append(QJsonObject{{"port", job.port}, {"data", QString::fromLatin1(data.toBase64())}});
    }
    return QJsonObject{{"ethernet", ethernet},
                       {"wlan", wlan},
                       {"link", DumpLink(state.link)},
                       {"plugged", plugged},
                       {"printed", printed}};
}

bool DumpStateFile(const SimState& state, const QString& path, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(DumpState(state)).toJson(QJsonDocument::Indented)) < 0 || !file.commit()) {
        if (error) *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace corvane::sim
