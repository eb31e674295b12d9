#include "history/readable_changes.h"

#include <optional>

#include <QCoreApplication>
#include <QStringList>

#include "link/string_table.h"
#include "link/vocabulary.h"

namespace corvane::history {

namespace {

// The list a record field's code is read in, if it has one.
std::optional<Vocabulary> vocabularyOf(const QString& field) {
    const std::pair<const char*, Vocabulary> fields[] = {
        {"authentication", Vocabulary::Authentication},
        {"cipher", Vocabulary::Cipher},
        {"networkMode", Vocabulary::NetworkMode},
        {"ipAssignment", Vocabulary::IpAssignment},
        {"eapMode", Vocabulary::EapMode},
        {"httpsEnabled", Vocabulary::EnableSwitch},
        {"telnetEnabled", Vocabulary::EnableSwitch},
        {"ftpEnabled", Vocabulary::EnableSwitch},
        {"snmpEnabled", Vocabulary::EnableSwitch},
    };
    for (const auto& [name, vocabulary] : fields) {
        if (field == QLatin1String(name)) return vocabulary;
    }
    return std::nullopt;
}

// `value` (a code in decimal) by its name in the current language; other
// texts as they are.
QString named(Vocabulary vocabulary, const QString& value) {
    bool number = false;
    const int code = value.toInt(&number);
    if (!number) return value;
    if (setting_vocabulary::Has(vocabulary, code)) {
        const StringId id = setting_vocabulary::StringIds(vocabulary)[static_cast<std::size_t>(code)];
        return QCoreApplication::translate(kStringTableContext, StringText(id).data());
    }
    return QString::fromUtf8(setting_vocabulary::Label(vocabulary, code).data(),
                             static_cast<qsizetype>(setting_vocabulary::Label(vocabulary, code).size()));
}

}  // namespace

QString readableChangesText(const Entry& entry) {
    QStringList parts;
    for (const Change& change : entry.changes) {
        if (change.secret) {
            parts << QStringLiteral("%1: changed").arg(change.field);
            continue;
        }
        QString before = change.before, after = change.after;
        if (const auto vocabulary = vocabularyOf(change.field)) {
            before = named(*vocabulary, before);
            after = named(*vocabulary, after);
        }
        // A value that had none before (an uploaded certificate) is the value alone.
        parts << (before.isEmpty() ? QStringLiteral("%1: %2").arg(change.field, after)
                                   : QStringLiteral("%1: %2 → %3").arg(change.field, before, after));
    }
    return parts.join(QLatin1String("; "));
}

}  // namespace corvane::history
