// corvane link provision: a provisioning line on the command line. Printers
// are taken as they are plugged in (USB printers, the serial ports named with
// --serial, or every node in --device-dir), each gets the profile and its row
// of --printers, and one status line says how it went. Ctrl-C (or --once,
// after the first printer) ends the line with a summary.
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include "cli/commands.h"
#include "cli/interrupt.h"
#include "cli/link_profile.h"
#include "cli/output.h"
#include "history/history_log.h"
#include "link/visible_text.h"
#include "provision/provision_line.h"
#include "transport/open_failure.h"

namespace corvane::cli {

namespace {

using provision::Outcome;
using provision::PrinterReport;

void printJsonLine(const QJsonObject& object) {
    printText(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + QLatin1Char('\n'));
}

QString statusLine(const PrinterReport& r) {
    const QString who = r.mac.isEmpty() ? r.node : r.mac;
    const QString name = visibleText(r.name.toStdString());
    QString result;
    if (r.outcome == Outcome::Configured)
        result = r.fieldsChanged == 1 ? QStringLiteral("configured (1 field changed)")
                                      : QStringLiteral("configured (%1 fields changed)").arg(r.fieldsChanged);
    else if (r.outcome == Outcome::Unchanged) result = QStringLiteral("unchanged");
    else result = QStringLiteral("failed: %1").arg(r.reason);
    if (r.profileOnly) result += QStringLiteral(", profile only");
    return QStringLiteral("%1  %2  %3 in %4 s\n")
        .arg(who, name.isEmpty() ? QStringLiteral("-") : name, result)
        .arg(r.seconds, 0, 'f', 1);
}

QJsonObject reportJson(const PrinterReport& r) {
    QJsonObject o{{QStringLiteral("node"), r.node},
                  {QStringLiteral("mac"), r.mac},
                  {QStringLiteral("outcome"), provision::outcomeName(r.outcome)},
                  {QStringLiteral("fieldsChanged"), r.fieldsChanged},
                  {QStringLiteral("seconds"), r.seconds},
                  {QStringLiteral("inPrinters"), r.inSheet}};
    insertText(o, QStringLiteral("name"), r.name.toStdString());
    if (!r.reason.isEmpty()) o.insert(QStringLiteral("reason"), r.reason);
    return o;
}

void printSummary(const provision::ProvisionLine& line, bool json) {
    const provision::LineCounts counts = line.counts();
    QStringList profileOnly;
    QJsonArray failures;
    QStringList failureLines;
    for (const PrinterReport& r : line.reports()) {
        if (r.profileOnly) profileOnly << r.mac;
        if (r.outcome != Outcome::Failed) continue;
        failures.append(QJsonObject{
            {QStringLiteral("node"), r.node}, {QStringLiteral("mac"), r.mac}, {QStringLiteral("reason"), r.reason}});
        failureLines << QStringLiteral("  %1  %2").arg(r.mac.isEmpty() ? r.node : r.mac, r.reason);
    }
    const QStringList unseen = line.unseenSheetRows();
    if (json) {
        printJsonLine(QJsonObject{{QStringLiteral("summary"),
                                   QJsonObject{{QStringLiteral("configured"), counts.configured},
                                               {QStringLiteral("unchanged"), counts.unchanged},
                                               {QStringLiteral("failed"), counts.failed},
                                               {QStringLiteral("failures"), failures},
                                               {QStringLiteral("profileOnly"), QJsonArray::fromStringList(profileOnly)},
                                               {QStringLiteral("notSeen"), QJsonArray::fromStringList(unseen)}}}});
        return;
    }
    QString text = QStringLiteral("\n%1 configured, %2 unchanged, %3 failed\n")
                       .arg(counts.configured)
                       .arg(counts.unchanged)
                       .arg(counts.failed);
    if (!failureLines.isEmpty()) text += QStringLiteral("Failed:\n") + failureLines.join(QLatin1Char('\n')) + '\n';
    if (!profileOnly.isEmpty())
        text += QStringLiteral("Profile only (not in --printers): %1\n").arg(profileOnly.join(QStringLiteral(", ")));
    if (!unseen.isEmpty())
        text += QStringLiteral("In --printers, not seen: %1\n").arg(unseen.join(QStringLiteral(", ")));
    printText(text);
}

}  // namespace

int runLinkProvision(const Invocation& invocation) {
    if (auto bad =
            invocation.unexpectedOption(QStringLiteral("link provision"),
                                        {"profile", "secrets", "printers", "once", "json", "serial", "device-dir"}))
        return usageError(*bad);
    if (invocation.arguments().size() != 1)
        return usageError(QStringLiteral("link provision takes no further arguments"));
    if (!invocation.isSet("profile")) return usageError(QStringLiteral("link provision needs --profile FILE"));
    int exitCode = kExitOk;
    auto profile = readProfileInput(invocation, &exitCode);
    if (!profile) return exitCode;
    provision::ProvisionJob job;
    job.profile = *profile;
    job.frontEnd = QString::fromLatin1(history::kCommandLine);
    if (invocation.isSet("printers")) {
        QString error;
        auto sheet = provision::readPrinterSheet(invocation.value("printers"), &error);
        if (!sheet) return usageError(error);
        job.sheet = *sheet;
    }

    const InterruptCancels interruptCancels;
    const bool json = invocation.json();
    const bool once = invocation.isSet("once");
    const bool bell = !json && ::isatty(STDOUT_FILENO) == 1;
    provision::ProvisionLine line(job);
    if (invocation.isSet("device-dir")) line.arrivals().watchFolder(invocation.value("device-dir"));
    else line.arrivals().watchUsbPrinters();
    for (const QString& serial : invocation.parser().values(QStringLiteral("serial")))
        line.arrivals().watchSerialPort(transport::serialNodePath(serial));

    QEventLoop loop;
    QObject::connect(&line, &provision::ProvisionLine::printerDone, &line, [&](const PrinterReport& r) {
        if (!r.historyProblem.isEmpty()) printWarning(r.historyProblem);
        if (json) printJsonLine(reportJson(r));
        else printText(statusLine(r) + (bell && r.outcome == Outcome::Failed ? QStringLiteral("\a") : QString()));
        if (once) line.stop();
    });
    QObject::connect(&line, &provision::ProvisionLine::finished, &loop, &QEventLoop::quit);
    // Ctrl-C only sets a flag; the line is stopped from the event loop.
    QTimer interruptCheck;
    QObject::connect(&interruptCheck, &QTimer::timeout, &line, [&] {
        if (interrupted.cancelled()) line.cancel();
    });
    interruptCheck.start(100);
    if (!json) {
        QStringList watched{invocation.isSet("device-dir") ? invocation.value("device-dir")
                                                           : QStringLiteral("USB printers")};
        watched << invocation.parser().values(QStringLiteral("serial"));
        printErrorLine(QStringLiteral("Waiting for printers (%1); Ctrl-C ends with a summary.")
                           .arg(watched.join(QStringLiteral(", "))));
    }
    line.start();
    loop.exec();

    printSummary(line, json);
    return line.counts().failed == 0 ? kExitOk : kExitFailed;
}

}  // namespace corvane::cli
