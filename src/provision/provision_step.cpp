#include "provision/provision_step.h"

#include <cerrno>

#include <QElapsedTimer>

#include "cli/config_write.h"
#include "history/change_entries.h"
#include "history/link_save.h"
#include "link/exchange/link_session.h"
#include "link/exchange/vendor_check.h"
#include "link/string_table.h"
#include "profile/profile_file.h"
#include "transport/direct_link.h"
#include "transport/open_failure.h"

namespace corvane::provision {

namespace {

QString stringText(StringId id) { return QString::fromUtf8(StringText(id).data()); }

// The steps after Connect; `report` gets the outcome.
void applyTo(link::LinkSession& session, const ProvisionJob& job, const QString& node, PrinterReport& report) {
    const link::PrinterConfig before = session.config();
    const link::ConfigLayout layout = session.layout();
    report.name = QString::fromStdString(before.printerName);
    const auto fail = [&report](const QString& why) {
        report.outcome = Outcome::Failed;
        report.reason = why;
    };

    const auto missing = rules::MissingSecrets(job.profile, before, layout);
    if (!missing.empty()) {
        return fail(QStringLiteral("the profile leaves out secrets this printer needs: %1")
                        .arg(profile::toQStringList(missing).join(QLatin1String(", "))));
    }
    const rules::SpreadResult spread = rules::SpreadProfile(job.profile, before, session.systemInfo(), layout);
    if (spread.refusal) return fail(profile::refusalText(*spread.refusal));

    link::PrinterConfig edited = spread.config;
    const auto row = job.sheet.rows.find(session.systemInfo().macAddress);
    report.inSheet = row != job.sheet.rows.end();
    report.profileOnly = !report.inSheet && !job.sheet.rows.empty();
    if (report.inSheet) edited = withPrinterValues(edited, row->second);

    const cli::ConfigWritePlan plan = cli::planConfigWrite(before, edited, session.systemInfo(), layout);
    if (plan.refusal) {
        QString why = stringText(plan.refusal->message);
        if (!plan.field.isEmpty()) why += QStringLiteral(" (refused value: \"%1\")").arg(plan.field);
        return fail(why);
    }

    history::Entry entry = history::linkEntry(job.frontEnd.toLatin1().constData(), kProvisionAction, node,
                                              session.systemInfo().macAddress);
    entry.changes = history::recordChanges(before, plan.config, layout);
    report.fieldsChanged = static_cast<int>(entry.changes.size());
    if (entry.changes.isEmpty()) {
        report.outcome = Outcome::Unchanged;
        return;
    }

    // The one save step of the direct link: sent, read back, and the history
    // line written with what is known before the report goes out.
    const history::LinkSave save = history::saveAndRecord(session, before, plan.config, entry);
    report.historyProblem = save.notRecorded;
    report.name = QString::fromStdString(plan.config.printerName);
    if (save.succeeded()) {
        report.outcome = Outcome::Configured;
        report.reason = save.entry.message;  // a note when it could not be read back
    } else if (save.delivery == link::Delivery::Unconfirmed) {
        // The printer may have taken the record: never called plainly failed.
        fail(QStringLiteral("sent, not confirmed: %1").arg(save.cancelled ? QStringLiteral("cancelled") : save.cause));
    } else {
        fail(save.entry.message);
    }
}

}  // namespace

QString outcomeName(Outcome outcome) {
    switch (outcome) {
    case Outcome::Configured: return QStringLiteral("configured");
    case Outcome::Unchanged: return QStringLiteral("unchanged");
    case Outcome::Failed: break;
    }
    return QStringLiteral("failed");
}

PrinterReport provisionPrinter(const QString& node, bool serial, const ProvisionJob& job,
                               const link::CancelToken* cancel) {
    QElapsedTimer clock;
    clock.start();
    PrinterReport report;
    report.node = node;
    {
        transport::DirectLink port;
        port.setUsbMode(!serial);
        port.setPortName(node);
        port.setCancelToken(cancel);
        link::LinkSession session(port, link::LinkWaits(link::BlockingSleep(), cancel));
        const link::ConnectOutcome connected = session.connect();
        if (connected == link::ConnectOutcome::Connected) {
            report.mac = macText(session.systemInfo().macAddress);
            applyTo(session, job, node, report);
            session.disconnect();
        } else if (connected == link::ConnectOutcome::PortNotOpened) {
            report.reason = transport::openFailureText(session.openError()).simplified();
            report.permission = session.openError().code == EACCES || session.openError().code == EPERM;
        } else if (connected == link::ConnectOutcome::Cancelled) {
            report.reason = QStringLiteral("cancelled");
        } else if (connected == link::ConnectOutcome::MakerMismatch) {
            report.reason = QString::fromLatin1(link::kMakerMismatchText.data());
        } else {
            report.reason = stringText(*link::ConnectMessage(connected));
        }
    }
    // One line per printer, whatever the message's own layout.
    report.reason = report.reason.simplified();
    report.seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    return report;
}

}  // namespace corvane::provision
