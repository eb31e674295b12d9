// Duplicate keys in a JSON text. QJsonDocument keeps one value of a key that
// appears twice in an object and says nothing; files that are read strictly
// (profiles, secrets files, `link write` input) refuse them instead, so what
// a person sees in the file is what the tool takes.
#pragma once

#include <optional>

#include <QByteArray>
#include <QJsonObject>
#include <QString>

namespace corvane::profile {

// The first key that appears twice in one object of `json`, which must be
// valid JSON; an empty string when there is none.
QString duplicateJsonKey(const QByteArray& json);

// `json` read strictly as one object: valid JSON, an object, no key twice in
// any of its objects. nullopt with the reason otherwise.
std::optional<QJsonObject> readStrictJsonObject(const QByteArray& json, QString* error);

}  // namespace corvane::profile
