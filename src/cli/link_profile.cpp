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

namespace {

// What a profile makes of the printer's record.
struct AppliedProfile {
    link::PrinterConfig config;
    std::vector<std::string> skipped;  // fields the printer's layout does not have
};

// The profile spread over the printer's record and through every page's
// checks, as `link write` runs them: the printer's own values (its name,
// port, web account) must pass too. Nullopt, with the reason printed, when
// refused.
std::optional<AppliedProfile> planProfile(link::LinkSession& session, const rules::Profile& profile,
                                          const link::PrinterConfig& before, const QStringList& missing) {
    const link::ConfigLayout layout = session.layout();
    const rules::SpreadResult spread = rules::SpreadProfile(profile, before, session.systemInfo(), layout);
    if (spread.refusal) {
        printError(profile::refusalText(*spread.refusal));
        if (!missing.empty())
            printError(QStringLiteral("secrets not compared (the profile leaves them out): %1")
                           .arg(missing.join(QLatin1String(", "))));
        return std::nullopt;
    }
    for (const auto& field : spread.skipped) {
        printWarning(QStringLiteral("\"%1\" left out: the printer's record layout has no such field")
                         .arg(QString::fromStdString(field)));
    }
    const ConfigWritePlan plan = planConfigWrite(before, spread.config, session.systemInfo(), layout);
    if (plan.refusal) {
        printFailure(plan.refusal->message);
        if (!plan.field.isEmpty()) printError(QStringLiteral("refused value: \"%1\"").arg(plan.field));
        return std::nullopt;
    }
    return AppliedProfile{plan.config, spread.skipped};
}

// What was compared and written, as a table or JSON.
void printApplied(const Invocation& invocation, const history::Entry& entry, const std::vector<std::string>& skipped,
                  const QStringList& missing, bool write, bool written) {
    const bool changed = !entry.changes.isEmpty();
    if (invocation.json()) {
        QJsonObject result{{QStringLiteral("changed"), changed},
                           {QStringLiteral("written"), written},
                           {QStringLiteral("changes"), changesJson(entry.changes)},
                           {QStringLiteral("skipped"), QJsonArray::fromStringList(toQStringList(skipped))}};
        if (!missing.empty()) result.insert(QStringLiteral("notCompared"), QJsonArray::fromStringList(missing));
        if (write) {
            result.insert(QStringLiteral("outcome"), entry.outcome);
            result.insert(QStringLiteral("message"), entry.message);
        }
        printJson(result);
        return;
    }
    if (!changed) {
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
    if (!missing.empty())
        printText(QStringLiteral("Secrets not compared (the profile leaves them out): %1\n")
                      .arg(missing.join(QLatin1String(", "))));
}

}  // namespace

int applyProfile(link::LinkSession& session, const rules::Profile& profile, const QString& portName,
                 const Invocation& invocation) {
    const link::PrinterConfig before = session.config();
    // A check sends nothing: it compares what it can and names the secrets
    // it could not compare, which keep the printer's own values in it.
    const bool checkOnly = invocation.isSet("check");
    const QStringList missing = toQStringList(rules::MissingSecrets(profile, before, session.layout()));
    if (!missing.empty() && !checkOnly) {
        printError(
            QStringLiteral("the profile leaves out secrets this printer needs: %1 (give them with --secrets FILE)")
                .arg(missing.join(QLatin1String(", "))));
        return kExitUsage;
    }
    const auto applied = planProfile(session, profile, before, missing);
    if (!applied) return kExitUsage;

    history::Entry entry =
        history::linkEntry(history::kCommandLine, history::kLinkApply, portName, session.systemInfo().macAddress);
    entry.changes = history::recordChanges(before, applied->config, session.layout());
    const bool write = !entry.changes.isEmpty() && !checkOnly;
    std::optional<history::LinkSave> save;
    if (write) {
        save = history::saveAndRecord(session, before, applied->config, entry);
        entry = save->entry;
    }
    printApplied(invocation, entry, applied->skipped, missing, write, save && save->succeeded());
    if (!save) return kExitOk;
    const auto failed = reportLinkChange(*save, kConfigFailed);
    return failed ? *failed : confirmedChangeExit(*save);
}

}  // namespace corvane::cli
