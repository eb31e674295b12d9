// Choosing the link's read rule (see LinkReadRule) by name: on the command
// line (`--link-read`), in the environment (CORVANE_LINK_READ, both front
// ends) and in the window's settings file (key link/read).
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

#include "transport/link_device_port.h"

class QSettings;

namespace corvane::transport {

inline constexpr const char* kLinkReadVariable = "CORVANE_LINK_READ";
inline constexpr const char* kLinkReadSetting = "link/read";

// "complete" or "silence".
QString linkReadRuleName(LinkReadRule rule);
std::optional<LinkReadRule> linkReadRuleNamed(const QString& name);

// The rule the window uses: CORVANE_LINK_READ when set, else link/read in
// `settings`, else Complete. A value that names no rule is skipped and
// described in `problems`.
LinkReadRule configuredLinkReadRule(const QSettings& settings, QStringList* problems);

}  // namespace corvane::transport
