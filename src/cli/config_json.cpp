#include "cli/config_json.h"

#include <cmath>
#include <string>
#include <vector>

#include <QJsonDocument>
#include <QJsonParseError>

#include "cli/invocation.h"
#include "cli/output.h"
#include "link/visible_text.h"
#include "rules/network_page.h"
#include "rules/system_page.h"
#include "rules/text_entry.h"

namespace corvane::cli {

namespace {

using link::PrinterConfig;

// One field of the record as the JSON names it, with the values it may take.
struct FieldSpec {
    enum Kind { Text, Byte, Word, Address } kind;
    const char* name;
    std::string PrinterConfig::*text = nullptr;
    std::uint8_t PrinterConfig::*byte = nullptr;
    std::uint16_t PrinterConfig::*word = nullptr;
    link::Ipv4 PrinterConfig::*address = nullptr;
    long long maximum = 0;  // numbers: 0..maximum
};

FieldSpec textField(const char* n, std::string PrinterConfig::*m) { return {FieldSpec::Text, n, m}; }
FieldSpec byteField(const char* n, std::uint8_t PrinterConfig::*m, long long max) {
    return {FieldSpec::Byte, n, nullptr, m, nullptr, nullptr, max};
}
FieldSpec wordField(const char* n, std::uint16_t PrinterConfig::*m, long long max) {
    return {FieldSpec::Word, n, nullptr, nullptr, m, nullptr, max};
}
FieldSpec addressField(const char* n, link::Ipv4 PrinterConfig::*m) {
    return {FieldSpec::Address, n, nullptr, nullptr, nullptr, m};
}

// In record order. The ranges are those the window's controls can produce:
// the vocabularies' codes and the ranges of the number edits. Which values
// the window takes together is for rules::PlanRecordEdit.
const std::vector<FieldSpec>& fields() {
    static const std::vector<FieldSpec> fields{
        textField("printerName", &PrinterConfig::printerName),
        byteField("networkMode", &PrinterConfig::networkMode, 2),
        byteField("ipAssignment", &PrinterConfig::ipAssignment, 1),
        addressField("ipAddress", &PrinterConfig::ipAddress),
        addressField("subnetMask", &PrinterConfig::subnetMask),
        addressField("gateway", &PrinterConfig::gateway),
        textField("ssid", &PrinterConfig::ssid),
        byteField("authentication", &PrinterConfig::authentication, 5),
        byteField("cipher", &PrinterConfig::cipher, 5),
        textField("wepKey", &PrinterConfig::wepKey),
        textField("pskKey", &PrinterConfig::pskKey),
        byteField("adhocChannel", &PrinterConfig::adhocChannel, rules::NetworkPage::kMaxAdhocChannel),
        byteField("eapMode", &PrinterConfig::eapMode, 5),
        textField("authId", &PrinterConfig::authId),
        textField("authPassword", &PrinterConfig::authPassword),
        byteField("p2pConnMode", &PrinterConfig::p2pConnMode, 3),
        textField("p2pPinCode", &PrinterConfig::p2pPinCode),
        textField("p2pChannel", &PrinterConfig::p2pChannel),
        textField("userId", &PrinterConfig::userId),
        textField("userPassword", &PrinterConfig::userPassword),
        wordField("printerPort", &PrinterConfig::printerPort, rules::SystemPage::kMaxPort),
        byteField("httpsEnabled", &PrinterConfig::httpsEnabled, 1),
        byteField("telnetEnabled", &PrinterConfig::telnetEnabled, 1),
        byteField("ftpEnabled", &PrinterConfig::ftpEnabled, 1),
        byteField("snmpEnabled", &PrinterConfig::snmpEnabled, 1),
        textField("setCommunity", &PrinterConfig::setCommunity),
        textField("getCommunity", &PrinterConfig::getCommunity),
        textField("trapCommunity", &PrinterConfig::trapCommunity),
        addressField("trapAddress", &PrinterConfig::trapAddress),
        wordField("inactivityTime", &PrinterConfig::inactivityTime, rules::NetworkPage::kMaxInactivity),
    };
    return fields;
}

const FieldSpec* findField(const QString& name) {
    for (const FieldSpec& f : fields()) {
        if (name == QLatin1String(f.name)) return &f;
    }
    return nullptr;
}

// A text field's exact bytes may come as NAME + "Hex" (see output.h).
const QLatin1String kHexSuffix("Hex");

const FieldSpec* findHexField(const QString& key) {
    if (!key.endsWith(kHexSuffix)) return nullptr;
    const FieldSpec* f = findField(key.chopped(kHexSuffix.size()));
    return f != nullptr && f->kind == FieldSpec::Text ? f : nullptr;
}

bool inLayout(const FieldSpec& f, link::ConfigLayout layout) {
    const link::ConfigField* field = link::FindConfigField(f.name);
    return field != nullptr && field->inLayout(layout);
}

// Whether a text can be stored in its field at all; what the window lets a
// user type is checked against the printer's record later, for the values
// the file changes.
QString checkText(const FieldSpec& f, const std::string& bytes) {
    if (bytes.find('\0') != std::string::npos) return QStringLiteral("must not contain a zero character");
    if (!rules::FitsField(f.name, bytes)) {
        return QStringLiteral("is longer than its %1 bytes").arg(rules::FieldWidth(f.name));
    }
    return {};
}

// The bytes a "NAMEHex" value gives; nullopt when it is not hexadecimal.
std::optional<std::string> hexText(const QJsonValue& value) {
    std::string bytes;
    if (!value.isString() || !link::ParseHexBytes(value.toString().toStdString(), bytes)) return std::nullopt;
    return bytes;
}

QJsonValue valueOf(const FieldSpec& f, const PrinterConfig& c) {
    switch (f.kind) {
    case FieldSpec::Text: return QString::fromStdString(c.*f.text);
    case FieldSpec::Byte: return c.*f.byte;
    case FieldSpec::Word: return c.*f.word;
    case FieldSpec::Address: return QString::fromStdString(link::FormatIpv4(c.*f.address));
    }
    return {};
}

// Checks one value; the reason it is refused, or an empty string.
QString check(const FieldSpec& f, const QJsonValue& value) {
    switch (f.kind) {
    case FieldSpec::Text:
        if (!value.isString()) return QStringLiteral("must be a text");
        return checkText(f, value.toString().toStdString());
    case FieldSpec::Byte:
    case FieldSpec::Word: {
        const double number = value.toDouble(-1);
        if (!value.isDouble() || number != std::floor(number) || number < 0 ||
            number > static_cast<double>(f.maximum)) {
            return QStringLiteral("must be a whole number from 0 to %1").arg(f.maximum);
        }
        return {};
    }
    case FieldSpec::Address:
        if (!value.isString() || !parseIpv4(value.toString())) {
            return QStringLiteral("must be a dotted IPv4 address such as \"192.168.0.10\"");
        }
        return {};
    }
    return {};
}

void apply(const FieldSpec& f, const QJsonValue& value, PrinterConfig& c) {
    switch (f.kind) {
    case FieldSpec::Text: c.*f.text = value.toString().toStdString(); break;
    case FieldSpec::Byte: c.*f.byte = static_cast<std::uint8_t>(value.toInt()); break;
    case FieldSpec::Word: c.*f.word = static_cast<std::uint16_t>(value.toInt()); break;
    case FieldSpec::Address: {
        const auto a = *parseIpv4(value.toString());
        c.*f.address = (link::Ipv4{a[0]} << 24) | (link::Ipv4{a[1]} << 16) | (link::Ipv4{a[2]} << 8) | a[3];
        break;
    }
    }
}

std::optional<link::ConfigLayout> layoutFromName(const QString& name) {
    if (name == QLatin1String("newer")) return link::ConfigLayout::Newer;
    if (name == QLatin1String("older")) return link::ConfigLayout::Older;
    return std::nullopt;
}

}  // namespace

QString layoutName(link::ConfigLayout layout) {
    return layout == link::ConfigLayout::Newer ? QStringLiteral("newer") : QStringLiteral("older");
}

QJsonObject systemInfoJson(const link::PrinterSystemInfo& info) {
    QJsonObject object{{QStringLiteral("macAddress"), QString::fromStdString(link::FormatMacUpper(info.macAddress))}};
    insertText(object, QStringLiteral("firmwareVersion"), info.firmwareVersion);
    insertText(object, QStringLiteral("updateDate"), info.updateDate);
    return object;
}

QJsonObject configJson(const PrinterConfig& config, link::ConfigLayout layout) {
    QJsonObject object;
    for (const FieldSpec& f : fields()) {
        if (!inLayout(f, layout)) continue;
        if (f.kind == FieldSpec::Text) insertText(object, QLatin1String(f.name), config.*f.text);
        else object.insert(QLatin1String(f.name), valueOf(f, config));
    }
    return object;
}

QJsonObject printerJson(const link::PrinterSystemInfo& info, const PrinterConfig& config, link::ConfigLayout layout) {
    return {{QStringLiteral("layout"), layoutName(layout)},
            {QStringLiteral("system"), systemInfoJson(info)},
            {QStringLiteral("config"), configJson(config, layout)}};
}

QList<QStringList> configRows(const PrinterConfig& config, link::ConfigLayout layout) {
    QList<QStringList> rows;
    for (const FieldSpec& f : fields()) {
        if (!inLayout(f, layout)) continue;
        const QJsonValue value = valueOf(f, config);
        const QString shown = f.kind == FieldSpec::Text ? visibleText(config.*f.text)
                              : value.isString()        ? value.toString()
                                                        : QString::number(value.toInt());
        rows.append({QLatin1String(f.name), shown});
    }
    return rows;
}

std::optional<ConfigEdits> parseConfigEdits(const QByteArray& fileContents, QString* error) {
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(fileContents, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error =
            QStringLiteral("not valid JSON (%1 at offset %2)").arg(parseError.errorString()).arg(parseError.offset);
        return std::nullopt;
    }
    if (!document.isObject()) {
        *error = QStringLiteral("the file must hold one JSON object");
        return std::nullopt;
    }
    const QJsonObject top = document.object();
    ConfigEdits edits;
    for (auto it = top.begin(); it != top.end(); ++it) {
        if (it.key() == QLatin1String("system")) continue;
        if (it.key() == QLatin1String("layout")) {
            edits.layout = layoutFromName(it.value().toString());
            if (!edits.layout) {
                *error = QStringLiteral("\"layout\" must be \"older\" or \"newer\"");
                return std::nullopt;
            }
        } else if (it.key() != QLatin1String("config")) {
            *error = QStringLiteral("unknown key \"%1\" (expected \"layout\", \"system\", \"config\")").arg(it.key());
            return std::nullopt;
        }
    }
    if (!top.value(QStringLiteral("config")).isObject()) {
        *error = QStringLiteral("the file has no \"config\" object");
        return std::nullopt;
    }
    const QJsonObject config = top.value(QStringLiteral("config")).toObject();
    for (auto it = config.begin(); it != config.end(); ++it) {
        if (const FieldSpec* text = findHexField(it.key())) {
            const auto bytes = hexText(it.value());
            const QString reason =
                bytes ? checkText(*text, *bytes) : QStringLiteral("must be hexadecimal digits, two a byte");
            if (!reason.isEmpty()) {
                *error = QStringLiteral("\"%1\" %2").arg(it.key(), reason);
                return std::nullopt;
            }
            continue;
        }
        const FieldSpec* field = findField(it.key());
        if (field == nullptr) {
            *error = QStringLiteral("unknown configuration field \"%1\"").arg(it.key());
            return std::nullopt;
        }
        const QString reason = check(*field, it.value());
        if (!reason.isEmpty()) {
            *error = QStringLiteral("\"%1\" %2").arg(it.key(), reason);
            return std::nullopt;
        }
    }
    edits.fields = config;
    return edits;
}

bool applyConfigEdits(const ConfigEdits& edits, link::ConfigLayout printerLayout, PrinterConfig& config,
                      QString* error) {
    if (edits.layout && *edits.layout != printerLayout) {
        *error = QStringLiteral("the file is for the %1 record layout, the printer uses the %2 one")
                     .arg(layoutName(*edits.layout), layoutName(printerLayout));
        return false;
    }
    for (const FieldSpec& f : fields()) {
        const QJsonValue value = edits.fields.value(QLatin1String(f.name));
        const QJsonValue hex = edits.fields.value(QLatin1String(f.name) + kHexSuffix);
        if (value.isUndefined() && hex.isUndefined()) continue;
        if (!inLayout(f, printerLayout)) {
            *error = QStringLiteral("\"%1\" does not exist in the printer's %2 record layout")
                         .arg(QLatin1String(f.name), layoutName(printerLayout));
            return false;
        }
        // The exact bytes stand unless the text beside them was changed from
        // what they read as.
        if (!hex.isUndefined()) {
            const std::string bytes = *hexText(hex);
            if (value.isUndefined() || value.toString() == QString::fromStdString(bytes)) {
                config.*f.text = bytes;
                continue;
            }
        }
        apply(f, value, config);
    }
    return true;
}

}  // namespace corvane::cli
