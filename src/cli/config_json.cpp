#include "cli/config_json.h"

#include <cmath>
#include <string>

#include <QJsonArray>
#include <QJsonDocument>

#include "cli/invocation.h"
#include "cli/output.h"
#include "link/config_fields.h"
#include "link/visible_text.h"
#include "profile/json_keys.h"

namespace corvane::cli {

namespace {

using link::ConfigField;
using link::FieldKind;
using link::PrinterConfig;

const ConfigField* findField(const QString& name) { return link::FindConfigField(name.toStdString()); }

// A text field's exact bytes may come as NAME + "Hex" (see output.h).
const QLatin1String kHexSuffix("Hex");

const ConfigField* findHexField(const QString& key) {
    if (!key.endsWith(kHexSuffix)) return nullptr;
    const ConfigField* f = findField(key.chopped(kHexSuffix.size()));
    return f != nullptr && f->kind == FieldKind::Text ? f : nullptr;
}

QLatin1String jsonName(const ConfigField& f) {
    return QLatin1String(f.name.data(), static_cast<qsizetype>(f.name.size()));
}

// Whether a text can be stored in its field at all; what the window lets a
// user type is checked against the printer's record later, for the values
// the file changes.
QString checkText(const ConfigField& f, const std::string& bytes) {
    switch (f.check(bytes)) {
    case link::ValueProblem::ZeroByte: return QStringLiteral("must not contain a zero character");
    case link::ValueProblem::TooLong: return QStringLiteral("is longer than its %1 bytes").arg(f.width);
    default: return {};
    }
}

// The bytes a "NAMEHex" value gives; nullopt when it is not hexadecimal.
std::optional<std::string> hexText(const QJsonValue& value) {
    std::string bytes;
    if (!value.isString() || !link::ParseHexBytes(value.toString().toStdString(), bytes)) return std::nullopt;
    return bytes;
}

QJsonValue valueOf(const ConfigField& f, const PrinterConfig& c) {
    const link::FieldValue value = f.get(c);
    if (f.kind == FieldKind::Number) return static_cast<qint64>(std::get<std::uint32_t>(value));
    return QString::fromStdString(f.text(c));
}

// Checks one value; the reason it is refused, or an empty string.
QString check(const ConfigField& f, const QJsonValue& value) {
    switch (f.kind) {
    case FieldKind::Text:
        if (!value.isString()) return QStringLiteral("must be a text");
        return checkText(f, value.toString().toStdString());
    case FieldKind::Number: {
        const double number = value.toDouble(-1);
        if (!value.isDouble() || number != std::floor(number) || number < 0 ||
            number > static_cast<double>(f.maximum)) {
            return QStringLiteral("must be a whole number from 0 to %1").arg(f.maximum);
        }
        return {};
    }
    case FieldKind::Address:
        if (!value.isString() || !link::ParseIpv4Address(value.toString().toStdString())) {
            return QStringLiteral("must be a dotted IPv4 address such as \"192.168.0.10\"");
        }
        return {};
    }
    return {};
}

// A value `check` took, into the record.
void apply(const ConfigField& f, const QJsonValue& value, PrinterConfig& c) {
    switch (f.kind) {
    case FieldKind::Text: f.set(c, value.toString().toStdString()); break;
    case FieldKind::Number: f.set(c, static_cast<std::uint32_t>(value.toInteger())); break;
    case FieldKind::Address: f.set(c, *link::ParseIpv4Address(value.toString().toStdString())); break;
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

QJsonObject configJson(const PrinterConfig& config, link::ConfigLayout layout, bool showSecrets) {
    QJsonObject object;
    for (const ConfigField& f : link::ConfigFields()) {
        if (!f.inLayout(layout) || (f.secret && !showSecrets)) continue;
        if (f.kind == FieldKind::Text) insertText(object, jsonName(f), std::get<std::string>(f.get(config)));
        else object.insert(jsonName(f), valueOf(f, config));
    }
    return object;
}

QJsonObject printerJson(const link::PrinterSystemInfo& info, const PrinterConfig& config, link::ConfigLayout layout,
                        bool showSecrets) {
    QJsonObject object{{QStringLiteral("layout"), layoutName(layout)},
                       {QStringLiteral("system"), systemInfoJson(info)},
                       {QStringLiteral("config"), configJson(config, layout, showSecrets)}};
    QJsonArray leftOut;
    for (const ConfigField& f : link::ConfigFields()) {
        if (f.secret && !showSecrets && f.inLayout(layout)) leftOut.append(jsonName(f));
    }
    if (!leftOut.isEmpty()) object.insert(QLatin1String(kSecretsLeftOut), leftOut);
    return object;
}

QList<QStringList> configRows(const PrinterConfig& config, link::ConfigLayout layout, bool showSecrets) {
    QList<QStringList> rows;
    for (const ConfigField& f : link::ConfigFields()) {
        if (!f.inLayout(layout)) continue;
        const std::string value = f.text(config);
        const QString shown = f.secret && !showSecrets && !value.empty() ? QLatin1String(kSecretMask)
                              : f.kind == FieldKind::Text                ? visibleText(value)
                                                                         : QString::fromStdString(value);
        rows.append({jsonName(f), shown});
    }
    return rows;
}

std::optional<ConfigEdits> parseConfigEdits(const QByteArray& fileContents, QString* error) {
    const auto read = profile::readStrictJsonObject(fileContents, error);
    if (!read) return std::nullopt;
    const QJsonObject& top = *read;
    ConfigEdits edits;
    for (auto it = top.begin(); it != top.end(); ++it) {
        if (it.key() == QLatin1String("system") || it.key() == QLatin1String(kSecretsLeftOut)) continue;
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
        if (const ConfigField* text = findHexField(it.key())) {
            const auto bytes = hexText(it.value());
            const QString reason =
                bytes ? checkText(*text, *bytes) : QStringLiteral("must be hexadecimal digits, two a byte");
            if (!reason.isEmpty()) {
                *error = QStringLiteral("\"%1\" %2").arg(it.key(), reason);
                return std::nullopt;
            }
            continue;
        }
        const ConfigField* field = findField(it.key());
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
    for (const ConfigField& f : link::ConfigFields()) {
        const QJsonValue value = edits.fields.value(jsonName(f));
        const QJsonValue hex = edits.fields.value(jsonName(f) + kHexSuffix);
        if (value.isUndefined() && hex.isUndefined()) continue;
        if (!f.inLayout(printerLayout)) {
            *error = QStringLiteral("\"%1\" does not exist in the printer's %2 record layout")
                         .arg(jsonName(f), layoutName(printerLayout));
            return false;
        }
        // The exact bytes stand unless the text beside them was changed from
        // what they read as.
        if (!hex.isUndefined()) {
            const std::string bytes = *hexText(hex);
            if (value.isUndefined() || value.toString() == QString::fromStdString(bytes)) {
                f.set(config, bytes);
                continue;
            }
        }
        apply(f, value, config);
    }
    return true;
}

}  // namespace corvane::cli
