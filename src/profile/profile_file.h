// Profile files, as docs/profile.md describes them:
//
//   { "format": "corvane-profile/1",
//     "config": { "networkMode": 0, "ssid": "Shop", "trapAddress": "10.0.0.1", ... } }
//
// The "config" object uses the configuration record's field names, as
// `corvane link read --json` does: texts are strings, codes and numbers
// integers, addresses dotted strings. Files are read strictly: an unknown
// key, a per-printer field or a value of the wrong kind is refused with the
// field's name before any printer is touched.
#pragma once

#include <optional>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "rules/profile.h"

namespace corvane::profile {

inline constexpr char kProfileFormat[] = "corvane-profile/1";

QByteArray profileJson(const rules::Profile& profile);

// nullopt with `error` describing the first thing refused.
std::optional<rules::Profile> parseProfile(const QByteArray& contents, QString* error);
// A secrets file is a profile that holds nothing but secrets.
std::optional<rules::Profile> parseSecrets(const QByteArray& contents, QString* error);

bool holdsSecrets(const rules::Profile& profile);
// The profile with `secrets` added over it.
rules::Profile withSecrets(rules::Profile profile, const rules::Profile& secrets);

// Why a profile was refused, naming the field; a page rule's refusal in the
// rule's own message.
QString refusalText(const rules::ProfileRefusal& refusal);

QStringList toQStringList(const std::vector<std::string>& names);

}  // namespace corvane::profile
