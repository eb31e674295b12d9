#include "profile/profile_file.h"

#include <cmath>

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

#include "link/config_fields.h"
#include "profile/json_keys.h"
#include "link/string_table.h"

namespace corvane::profile {

namespace {

using link::ConfigField;
using rules::FieldValue;
using rules::ValueProblem;

QString fieldName(std::string_view name) { return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())); }

QJsonValue toJson(const FieldValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return QString::fromStdString(*text);
    if (const auto* address = std::get_if<link::Ipv4Address>(&value)) return QString::fromStdString(address->text());
    return static_cast<qint64>(std::get<std::uint32_t>(value));
}

// The JSON value as the field's kind; nullopt when it is of another kind.
std::optional<FieldValue> fromJson(const ConfigField& f, const QJsonValue& value) {
    switch (f.kind) {
    case link::FieldKind::Text:
        if (!value.isString()) return std::nullopt;
        return FieldValue{value.toString().toStdString()};
    case link::FieldKind::Number: {
        const double number = value.toDouble(-1);
        if (!value.isDouble() || number < 0 || number > UINT32_MAX || number != std::floor(number)) {
            return std::nullopt;
        }
        return FieldValue{static_cast<std::uint32_t>(number)};
    }
    case link::FieldKind::Address: {
        const auto address = link::ParseIpv4Address(value.toString().toStdString());
        if (!value.isString() || !address) return std::nullopt;
        return FieldValue{*address};
    }
    }
    return std::nullopt;
}

QString wrongKind(const ConfigField& f) {
    switch (f.kind) {
    case link::FieldKind::Text:
        return QCoreApplication::translate("Profile", "\"%1\" must be a text").arg(fieldName(f.name));
    case link::FieldKind::Number:
        return QCoreApplication::translate("Profile", "\"%1\" must be a whole number").arg(fieldName(f.name));
    case link::FieldKind::Address:
        return QCoreApplication::translate("Profile", "\"%1\" must be a dotted IPv4 address such as \"192.168.0.10\"")
            .arg(fieldName(f.name));
    }
    return {};
}

QString problemText(const std::string& field, ValueProblem problem, std::uint32_t limit) {
    const QString name = QString::fromStdString(field);
    switch (problem) {
    case ValueProblem::None: return {};
    case ValueProblem::WrongType:
        if (const ConfigField* f = link::FindConfigField(field)) return wrongKind(*f);
        return QCoreApplication::translate("Profile", "\"%1\" has a value of the wrong kind").arg(name);
    case ValueProblem::TooLong:
        return QCoreApplication::translate("Profile", "\"%1\" is longer than its %2 bytes").arg(name).arg(limit);
    case ValueProblem::ZeroByte:
        return QCoreApplication::translate("Profile", "\"%1\" must not contain a zero character").arg(name);
    case ValueProblem::OutOfRange:
        return QCoreApplication::translate("Profile", "\"%1\" must be a whole number from 0 to %2")
            .arg(name)
            .arg(limit);
    }
    return {};
}

// The secrets a profile or a secrets file may hold, in record order.
QStringList profileSecrets() {
    QStringList names;
    for (const ConfigField& f : link::ConfigFields()) {
        if (f.secret && f.scope != link::FieldScope::Printer) names << fieldName(f.name);
    }
    return names;
}

QString notAProfileField(const QString& name) {
    const ConfigField* f = link::FindConfigField(name.toStdString());
    if (f != nullptr && f->scope == link::FieldScope::Printer) {
        return QCoreApplication::translate("Profile", "\"%1\" belongs to one printer and is never part of a profile")
            .arg(name);
    }
    return QCoreApplication::translate("Profile", "\"%1\" is not a setting of a profile").arg(name);
}

std::optional<rules::Profile> parse(const QByteArray& contents, bool secretsOnly, QString* error) {
    const auto read = readStrictJsonObject(contents, error);
    if (!read) return std::nullopt;
    const QJsonObject& top = *read;
    for (auto it = top.begin(); it != top.end(); ++it) {
        if (it.key() != QLatin1String("format") && it.key() != QLatin1String("config")) {
            *error =
                QCoreApplication::translate("Profile", "unknown key \"%1\" (a profile holds \"format\" and \"config\")")
                    .arg(it.key());
            return std::nullopt;
        }
    }
    if (top.value(QStringLiteral("format")).toString() != QLatin1String(kProfileFormat)) {
        *error = QCoreApplication::translate("Profile", "\"format\" must be \"%1\"").arg(QLatin1String(kProfileFormat));
        return std::nullopt;
    }
    if (!top.value(QStringLiteral("config")).isObject()) {
        *error = QCoreApplication::translate("Profile", "the file has no \"config\" object");
        return std::nullopt;
    }
    const QJsonObject config = top.value(QStringLiteral("config")).toObject();
    rules::Profile profile;
    for (auto it = config.begin(); it != config.end(); ++it) {
        const ConfigField* f = link::FindConfigField(it.key().toStdString());
        if (f == nullptr || f->scope == link::FieldScope::Printer) {
            *error = notAProfileField(it.key());
            return std::nullopt;
        }
        if (secretsOnly && !f->secret) {
            *error = QCoreApplication::translate("Profile", "\"%1\" is not a secret; a secrets file holds only %2")
                         .arg(it.key(), profileSecrets().join(QLatin1String(", ")));
            return std::nullopt;
        }
        const auto value = fromJson(*f, it.value());
        if (!value) {
            *error = wrongKind(*f);
            return std::nullopt;
        }
        if (const ValueProblem problem = f->check(*value); problem != ValueProblem::None) {
            *error = problemText(std::string(f->name), problem, f->limit());
            return std::nullopt;
        }
        profile.values.emplace(std::string(f->name), *value);
    }
    return profile;
}

}  // namespace

QByteArray profileJson(const rules::Profile& profile) {
    QJsonObject config;
    for (const auto& [name, value] : profile.values) {
        if (const ConfigField* f = link::FindConfigField(name)) config.insert(fieldName(f->name), toJson(value));
    }
    const QJsonObject top{{QStringLiteral("format"), QLatin1String(kProfileFormat)},
                          {QStringLiteral("config"), config}};
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

std::optional<rules::Profile> parseProfile(const QByteArray& contents, QString* error) {
    return parse(contents, false, error);
}

std::optional<rules::Profile> parseSecrets(const QByteArray& contents, QString* error) {
    return parse(contents, true, error);
}

bool holdsSecrets(const rules::Profile& profile) {
    for (const auto& [name, value] : profile.values) {
        const ConfigField* f = link::FindConfigField(name);
        if (f != nullptr && f->secret) return true;
    }
    return false;
}

rules::Profile withSecrets(rules::Profile profile, const rules::Profile& secrets) {
    for (const auto& [name, value] : secrets.values) profile.values.insert_or_assign(name, value);
    return profile;
}

QString refusalText(const rules::ProfileRefusal& refusal) {
    const QString field = QString::fromStdString(refusal.field);
    if (refusal.notInProfile) return notAProfileField(field);
    if (refusal.fixesDhcpAddress) {
        return QCoreApplication::translate("Profile",
                                           "\"%1\": the profile would fix this DHCP printer at the address it holds "
                                           "now; a profile that changes the address assignment needs the address "
                                           "too (export with the address)")
            .arg(field);
    }
    if (refusal.needsNewerLayout) {
        return QCoreApplication::translate("Profile",
                                           "\"%1\": Wi-Fi Direct needs a printer with the newer record layout")
            .arg(field);
    }
    if (refusal.notice) {
        const QString message =
            QCoreApplication::translate(kStringTableContext, StringText(refusal.notice->message).data());
        return field.isEmpty() ? message : QStringLiteral("\"%1\": %2").arg(field, message);
    }
    return problemText(refusal.field, refusal.problem, refusal.limit);
}

QStringList toQStringList(const std::vector<std::string>& names) {
    QStringList list;
    for (const auto& name : names) list << QString::fromStdString(name);
    return list;
}

}  // namespace corvane::profile
