#include "profile/json_keys.h"

#include <vector>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

namespace corvane::profile {

namespace {

// One open object or array; an object remembers its keys so far.
struct Level {
    bool object = false;
    bool expectingKey = false;
    QSet<QString> keys;
};

// The text of a JSON string token, escapes resolved by the JSON reader itself.
QString stringValue(const QByteArray& token) {
    return QJsonDocument::fromJson('[' + token + ']').array().at(0).toString();
}

}  // namespace

QString duplicateJsonKey(const QByteArray& json) {
    std::vector<Level> open;
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (c == '"') {
            qsizetype end = i + 1;
            while (end < json.size() && json[end] != '"') end += json[end] == '\\' ? 2 : 1;
            if (!open.empty() && open.back().object && open.back().expectingKey) {
                const QString key = stringValue(json.mid(i, end - i + 1));
                if (open.back().keys.contains(key)) return key;
                open.back().keys.insert(key);
                open.back().expectingKey = false;
            }
            i = end;
        } else if (c == '{' || c == '[') {
            open.push_back({c == '{', c == '{', {}});
        } else if ((c == '}' || c == ']') && !open.empty()) {
            open.pop_back();
        } else if (c == ',' && !open.empty() && open.back().object) {
            open.back().expectingKey = true;
        }
    }
    return {};
}

std::optional<QJsonObject> readStrictJsonObject(const QByteArray& json, QString* error) {
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QCoreApplication::translate("Profile", "not valid JSON (%1 at offset %2)")
                     .arg(parseError.errorString())
                     .arg(parseError.offset);
        return std::nullopt;
    }
    if (!document.isObject()) {
        *error = QCoreApplication::translate("Profile", "the file must hold one JSON object");
        return std::nullopt;
    }
    if (const QString key = duplicateJsonKey(json); !key.isEmpty()) {
        *error = QCoreApplication::translate("Profile", "the key \"%1\" appears more than once").arg(key);
        return std::nullopt;
    }
    return document.object();
}

}  // namespace corvane::profile
