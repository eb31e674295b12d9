// corvane history [--mac MAC] [--since DATE] [--json|--csv]: the changes the
// tool sent, oldest first, from the history file both front ends append to.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "cli/commands.h"
#include "cli/history_record.h"
#include "cli/output.h"
#include "history/change_entries.h"
#include "history/readable_changes.h"

namespace corvane::cli {

namespace {

// "2024-05-01" (from midnight UTC) or a date and time, "2024-05-01T09:30",
// with seconds, fractions and a zone ("Z", "+02:00") if wanted; UTC unless it
// says otherwise. Anything else is invalid (Qt's own date reading would take
// the date and drop a time after it).
QDateTime parseSince(const QString& text) {
    static const QRegularExpression dateOnly(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    static const QRegularExpression dateAndTime(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2}T\\d{2}:\\d{2}(:\\d{2}(\\.\\d{1,3})?)?(Z|[+-]\\d{2}:\\d{2})?$"));
    if (dateOnly.match(text).hasMatch()) {
        const QDate date = QDate::fromString(text, Qt::ISODate);
        return date.isValid() ? QDateTime(date, QTime(0, 0), Qt::UTC) : QDateTime();
    }
    if (!dateAndTime.match(text).hasMatch()) return {};
    QDateTime time = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (time.isValid() && time.timeSpec() == Qt::LocalTime) time.setTimeSpec(Qt::UTC);
    return time;
}

QString outcomeText(const history::Entry& e) {
    return e.message.isEmpty() ? e.outcome : QStringLiteral("%1: %2").arg(e.outcome, e.message);
}

}  // namespace

void reportNotRecorded(const QString& problem, const QString& outcome) {
    if (!problem.isEmpty()) printWarning(history::notRecordedText(problem, outcome));
}

int runHistory(const Invocation& invocation) {
    if (auto bad = invocation.unexpectedOption(QStringLiteral("history"), {"mac", "since", "json", "csv"})) {
        return usageError(*bad);
    }
    if (!invocation.arguments().isEmpty()) return usageError(QStringLiteral("history takes no further arguments"));
    if (invocation.json() && invocation.isSet("csv"))
        return usageError(QStringLiteral("give --json or --csv, not both"));
    const QString mac = invocation.value("mac");
    if (invocation.isSet("mac") && history::normalMac(mac).isEmpty()) {
        return usageError(QStringLiteral("--mac: \"%1\" is not a MAC address").arg(mac));
    }
    QDateTime since;
    if (invocation.isSet("since")) {
        since = parseSince(invocation.value("since"));
        if (!since.isValid()) {
            return usageError(
                QStringLiteral("--since: \"%1\" is not a date (2024-05-01) or a date and time (2024-05-01T09:30Z)")
                    .arg(invocation.value("since")));
        }
    }

    const history::Log log = history::readLog();
    for (const QString& warning : log.warnings) printWarning(warning);
    if (!log.error.isEmpty()) {
        printError(log.error);
        return kExitFailed;
    }
    const QList<history::Entry> entries = history::filterEntries(log.entries, mac, since);
    if (invocation.json()) {
        QJsonArray array;
        for (const history::Entry& e : entries) array.append(QJsonDocument::fromJson(history::entryLine(e)).object());
        printJson(array);
    } else if (invocation.isSet("csv")) {
        printText(QString::fromUtf8(history::csv(entries)));
    } else {
        QList<QStringList> rows;
        for (const history::Entry& e : entries) {
            QStringList row{e.time.toString(Qt::ISODate),    e.frontEnd,    e.action, history::wayText(e), e.mac,
                            history::readableChangesText(e), outcomeText(e)};
            for (QString& cell : row) cell = printable(cell);
            rows.append(row);
        }
        printTable(
            {QStringLiteral("Time"), QStringLiteral("Front end"), QStringLiteral("Action"), QStringLiteral("Way in"),
             QStringLiteral("MAC"), QStringLiteral("Changes"), QStringLiteral("Outcome")},
            rows);
    }
    return kExitOk;
}

}  // namespace corvane::cli
