#include "transport/link_read_rule.h"

#include <QSettings>
#include <QtGlobal>

namespace corvane::transport {

namespace {

std::optional<LinkReadRule> ruleFrom(const QString& where, const QString& value, QStringList* problems) {
    if (value.isEmpty()) return std::nullopt;
    const auto rule = linkReadRuleNamed(value);
    if (!rule && problems) {
        problems->append(QStringLiteral("%1: \"%2\" is no link read rule (complete or silence)").arg(where, value));
    }
    return rule;
}

}  // namespace

QString linkReadRuleName(LinkReadRule rule) {
    return rule == LinkReadRule::Silence ? QStringLiteral("silence") : QStringLiteral("complete");
}

std::optional<LinkReadRule> linkReadRuleNamed(const QString& name) {
    for (const LinkReadRule rule : {LinkReadRule::Complete, LinkReadRule::Silence}) {
        if (name == linkReadRuleName(rule)) return rule;
    }
    return std::nullopt;
}

LinkReadRule configuredLinkReadRule(const QSettings& settings, QStringList* problems) {
    const QString variable = QString::fromLatin1(kLinkReadVariable);
    if (const auto rule = ruleFrom(variable, qEnvironmentVariable(kLinkReadVariable), problems)) return *rule;
    const QString key = QString::fromLatin1(kLinkReadSetting);
    const QString where = QStringLiteral("%1 in %2").arg(key, settings.fileName());
    if (const auto rule = ruleFrom(where, settings.value(key).toString(), problems)) return *rule;
    return LinkReadRule::Complete;
}

}  // namespace corvane::transport
