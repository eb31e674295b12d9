#include "cli/link_profile.h"

#include <QJsonArray>
#include <QJsonObject>

#include "cli/config_write.h"
#include "cli/link_outcome.h"
#include "cli/output.h"
#include "history/change_entries.h"
#include "history/link_save.h"
#include "profile/input_file.h"
#include "profile/private_file.h"
#include "profile/profile_file.h"

namespace corvane::cli {

namespace {

using profile::toQStringList;

// A profile file's contents; nullopt with the exit code set when unreadable
// or refused.
std::optional<rules::Profile> readFile(const QString& path, bool secretsOnly, int* exitCode) {
    QString error;
    const auto contents = profile::readInputFile(path, profile::kProfileLimit, &error);
    if (!contents) {
        *exitCode = usageError(error);
        return std::nullopt;
    }
    auto read = secretsOnly ? profile::parseSecrets(*contents, &error) : profile::parseProfile(*contents, &error);
    if (!read) *exitCode = usageError(QStringLiteral("%1: %2").arg(path, error));
    return read;
}

QJsonArray changesJson(const QList<history::Change>& changes) {
    QJsonArray array;
    for (const history::Change& c : changes) {
        if (c.secret) array.append(QJsonObject{{QStringLiteral("field"), c.field}, {QStringLiteral("changed"), true}});
        else
            array.append(QJsonObject{{QStringLiteral("field"), c.field},
                                     {QStringLiteral("before"), c.before},
                                     {QStringLiteral("after"), c.after}});
    }
    return array;
}

QList<QStringList> changeRows(const QList<history::Change>& changes) {
    QList<QStringList> rows;
    for (const history::Change& c : changes) {
        rows.append({c.field, c.secret ? QStringLiteral("changed")
                                       : printable(QStringLiteral("%1 → %2").arg(c.before, c.after))});
    }
    return rows;
}

}  // namespace

std::optional<rules::Profile> readProfileInput(const Invocation& invocation, int* exitCode) {
    if (!invocation.isSet("profile")) {
        *exitCode = usageError(QStringLiteral("link apply needs --profile FILE"));
        return std::nullopt;
    }
    auto profile = readFile(invocation.value("profile"), false, exitCode);
    if (!profile || !invocation.isSet("secrets")) return profile;
    const auto secrets = readFile(invocation.value("secrets"), true, exitCode);
    if (!secrets) return std::nullopt;
    return profile::withSecrets(*profile, *secrets);
}

int exportProfile(const link::LinkSession& session, const Invocation& invocation) {
    const rules::ProfileContent content{invocation.isSet("include-secrets"), invocation.isSet("include-address")};
    const rules::Profile profile = rules::MakeProfile(session.config(), session.layout(), content);
    const QString path = invocation.value("profile");
    const bool secret = profile::holdsSecrets(profile);
    QString error;
    if (!profile::writeWholeFile(path, profile::profileJson(profile), secret, &error)) {
        printError(error);
        return kExitFailed;
    }
    if (invocation.json()) {
        printJson(QJsonObject{{QStringLiteral("profile"), path},
                              {QStringLiteral("settings"), static_cast<int>(profile.values.size())},
                              {QStringLiteral("secrets"), secret}});
    } else {
        printText(QStringLiteral("%1 settings written to %2%3\n")
                      .arg(profile.values.size())
                      .arg(path, secret ? QStringLiteral(" (with secrets; only you can read the file)")
                                        : QStringLiteral(" (without secrets)")));
    }
    return kExitOk;
}

int applyProfile(link::LinkSession& session, const rules::Profile& profile, const QString& portName,
                 const Invocation& invocation) {
    const link::PrinterConfig before = session.config();
    const link::ConfigLayout layout = session.layout();
    // A check sends nothing: it compares what it can and names the secrets
    // it could not compare, which keep the printer's own values in it.
    const bool checkOnly = invocation.isSet("check");
    const auto missing = rules::MissingSecrets(profile, before, layout);
    if (!missing.empty() && !checkOnly) {
        printError(
            QStringLiteral("the profile leaves out secrets this printer needs: %1 (give them with --secrets FILE)")
                .arg(toQStringList(missing).join(QLatin1String(", "))));
        return kExitUsage;
    }
    const rules::SpreadResult spread = rules::SpreadProfile(profile, before, session.systemInfo(), layout);
    const QString notCompared = toQStringList(missing).join(QLatin1String(", "));
    if (spread.refusal) {
        printError(profile::refusalText(*spread.refusal));
        if (!missing.empty())
            printError(QStringLiteral("secrets not compared (the profile leaves them out): %1").arg(notCompared));
        return kExitUsage;
    }
    for (const auto& field : spread.skipped) {
        printWarning(QStringLiteral("\"%1\" left out: the printer's record layout has no such field")
                         .arg(QString::fromStdString(field)));
    }
    // Every page's checks, as `link write` runs them: the printer's own
    // values (its name, port, web account) must pass too.
    const ConfigWritePlan plan = planConfigWrite(before, spread.config, session.systemInfo(), layout);
    if (plan.refusal) {
        printFailure(plan.refusal->message);
        if (!plan.field.isEmpty()) printError(QStringLiteral("refused value: \"%1\"").arg(plan.field));
        return kExitUsage;
    }

    history::Entry entry =
        history::linkEntry(history::kCommandLine, history::kLinkApply, portName, session.systemInfo().macAddress);
    entry.changes = history::recordChanges(before, plan.config, layout);
    const bool changed = !entry.changes.isEmpty();
    const bool write = changed && !checkOnly;
    std::optional<history::LinkSave> save;
    if (write) {
        save = history::saveAndRecord(session, before, plan.config, entry);
        entry = save->entry;
    }
    const bool written = save && save->succeeded();
    if (invocation.json()) {
        QJsonObject result{{QStringLiteral("changed"), changed},
                           {QStringLiteral("written"), written},
                           {QStringLiteral("changes"), changesJson(entry.changes)},
                           {QStringLiteral("skipped"), QJsonArray::fromStringList(toQStringList(spread.skipped))}};
        if (!missing.empty())
            result.insert(QStringLiteral("notCompared"), QJsonArray::fromStringList(toQStringList(missing)));
        if (write) {
            result.insert(QStringLiteral("outcome"), entry.outcome);
            result.insert(QStringLiteral("message"), entry.message);
        }
        printJson(result);
    } else if (!changed) {
        printText(QStringLiteral("No field differs; nothing was written.\n"));
    } else {
        printTable({QStringLiteral("Field"), QStringLiteral("Change")}, changeRows(entry.changes));
        const auto count = entry.changes.size();
        const QString fields = count == 1 ? QStringLiteral("1 field") : QStringLiteral("%1 fields").arg(count);
        if (!write)
            printText(QStringLiteral("%1 %2; nothing was written (--check).\n")
                          .arg(fields, count == 1 ? QStringLiteral("differs") : QStringLiteral("differ")));
        else if (written) printText(QStringLiteral("%1 written (%2).\n").arg(fields, entry.outcome));
    }
    if (!missing.empty() && !invocation.json())
        printText(QStringLiteral("Secrets not compared (the profile leaves them out): %1\n").arg(notCompared));
    if (!save) return kExitOk;
    const auto failed = reportLinkChange(*save, kConfigFailed);
    return failed ? *failed : confirmedChangeExit(*save);
}

}  // namespace corvane::cli
