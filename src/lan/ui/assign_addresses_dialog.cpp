#include "lan/ui/assign_addresses_dialog.h"

#include <algorithm>

#include <QBoxLayout>
#include <QCheckBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

#include "widgets/translation.h"
#include "history/change_entries.h"
#include "history/history_log.h"
#include "lan/device_lists.h"
#include "lan/request_failure.h"
#include "lan/send_checks.h"
#include "lan/ui/verification_note.h"
#include "link/ipv4_address.h"
#include "link/string_table.h"
#include "transport/link_worker.h"

namespace corvane::lan {

namespace {

enum Column { kMac, kNow, kNew, kResult, kNotes, kColumns };

QString dotted(link::Ipv4Address a) { return QString::fromStdString(a.text()); }

// Runs `call` on `window`'s thread, from its event loop: how the worker's
// progress and outcomes reach the table.
template <typename Call>
void onWindowThread(QObject* window, Call call) {
    QMetaObject::invokeMethod(window, std::move(call), Qt::QueuedConnection);
}

}  // namespace

// What the worker works on: its own copy of the device list (the window's
// stays on the window's thread), the plan run over it, and the requests to
// stop sending rows and to end the verification. Cancel sets both; the
// verification starts with its own cleared, so a Cancel between rows still
// lets the rows sent be checked.
struct AssignAddressesDialog::Run {
    Run(const SearchSetup& setup, const link::DeviceList& list, std::vector<rules::PlanRow> rows, bool force,
        bool allowConflicts)
        : devices(list), plan(setup, devices, std::move(rows), history::kWindow, force, false, allowConflicts) {}
    link::DeviceList devices;
    PlanRun plan;
    link::CancelToken stopRows;
    link::CancelToken cancel;
    bool cancelled = false;  // rows were left unsent
    QString verifyError;
};

AssignAddressesDialog::AssignAddressesDialog(SearchSetup setup, std::vector<link::MacAddress> macs,
                                             const VerifyTiming& verifyTiming, QWidget* parent)
    : QDialog(parent), setup_(std::move(setup)), macs_(std::move(macs)), verifyTiming_(verifyTiming) {
    setWindowTitle(tr("Assign addresses"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    const auto edit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        connect(e, &QLineEdit::textChanged, this, &AssignAddressesDialog::refreshPreview);
        return e;
    };
    firstEdit_ = edit("firstAddressEdit");
    maskEdit_ = edit("maskEdit");
    gatewayEdit_ = edit("gatewayEdit");
    portEdit_ = edit("portEdit");
    form->addRow(tr("First address"), firstEdit_);
    form->addRow(tr("Subnet mask"), maskEdit_);
    form->addRow(tr("Gateway (optional)"), gatewayEdit_);
    form->addRow(tr("Port (optional)"), portEdit_);
    layout->addLayout(form);

    forceCheck_ = new QCheckBox(tr("Send rows with warnings too"), this);
    forceCheck_->setObjectName(QStringLiteral("forceCheck"));
    connect(forceCheck_, &QCheckBox::toggled, this, &AssignAddressesDialog::refreshPreview);
    layout->addWidget(forceCheck_);
    // Its own box: a clash (an address another printer holds, a network or
    // broadcast address, a mask with gaps) is not a warning to wave through.
    conflictsCheck_ = new QCheckBox(tr("Send rows with conflicts too"), this);
    conflictsCheck_->setObjectName(QStringLiteral("conflictsCheck"));
    connect(conflictsCheck_, &QCheckBox::toggled, this, &AssignAddressesDialog::refreshPreview);
    layout->addWidget(conflictsCheck_);

    table_ = new QTableWidget(0, kColumns, this);
    table_->setObjectName(QStringLiteral("previewTable"));
    table_->setHorizontalHeaderLabels({tr("Mac Address"), tr("Now"), tr("New"), tr("Result"), tr("Notes")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setWordWrap(true);
    table_->setAccessibleName(tr("Printers"));
    layout->addWidget(table_, 1);

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progressBar"));
    progress_->setRange(0, static_cast<int>(macs_.size()) + 1);  // the rows, then the verification
    progress_->setValue(0);
    layout->addWidget(progress_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("statusLabel"));
    status_->setWordWrap(true);
    layout->addWidget(status_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    applyButton_ = new QPushButton(tr("Apply"), this);
    applyButton_->setObjectName(QStringLiteral("applyButton"));
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    buttons->addWidget(applyButton_);
    buttons->addWidget(cancelButton_);
    layout->addLayout(buttons);
    connect(applyButton_, &QPushButton::clicked, this, &AssignAddressesDialog::apply);
    connect(cancelButton_, &QPushButton::clicked, this, &AssignAddressesDialog::reject);
    // Enter in a field is not Apply: sending needs a deliberate click.
    applyButton_->setAutoDefault(false);
    cancelButton_->setAutoDefault(false);

    resize(760, 420);
    maskEdit_->setText(QStringLiteral("255.255.255.0"));  // refreshes the preview
}

AssignAddressesDialog::~AssignAddressesDialog() {
    // The worker waits for the row under way (its confirmation has its own
    // limit); nothing after it runs.
    if (run_) {
        run_->stopRows.cancel();
        run_->cancel.cancel();
    }
}

std::optional<std::vector<rules::PlanRow>> AssignAddressesDialog::plan() {
    const auto first = link::ParseIpv4Address(firstEdit_->text().toStdString());
    const auto mask = link::ParseIpv4Address(maskEdit_->text().toStdString());
    const QString gatewayText = gatewayEdit_->text().trimmed();
    const auto gateway = link::ParseIpv4Address(gatewayText.toStdString());
    const QString portText = portEdit_->text().trimmed();
    bool portOk = true;
    const int port = portText.isEmpty() ? 0 : portText.toInt(&portOk);
    QString problem;
    if (!first) {
        problem = tr("Enter the first address as four numbers 0-255 with dots between them.");
    } else if (!mask) {
        problem = tr("Enter the subnet mask as four numbers 0-255 with dots between them.");
    } else if (!gateway && !gatewayText.isEmpty()) {
        problem = tr("Enter the gateway as four numbers 0-255, or leave it empty to keep each printer's gateway.");
    } else if (!portOk || port < 0 || port > 65535) {
        problem = tr("Enter the port as a number, or leave it empty to keep each printer's port.");
    }
    status_->setText(problem);
    if (!problem.isEmpty()) return std::nullopt;
    return rules::ConsecutiveAddresses(macs_, *first, *mask, gateway,
                                       portText.isEmpty() ? std::nullopt : std::optional<int>(port));
}

void AssignAddressesDialog::refreshPreview() {
    if (running_) return;
    const auto rows = plan();
    table_->setRowCount(static_cast<int>(macs_.size()));
    applyButton_->setEnabled(rows.has_value() && outcomes_.empty());
    const PlanRun preview(setup_, devicesFor(setup_.mode), rows.value_or(std::vector<rules::PlanRow>{}),
                          history::kWindow, forceCheck_->isChecked(), true, conflictsCheck_->isChecked());
    for (int r = 0; r < static_cast<int>(macs_.size()); ++r) {
        PlanRowOutcome outcome;
        if (rows) {
            outcome = preview.prepare(static_cast<std::size_t>(r));
            if (outcome.result == PlanResult::Pending) outcome.result = PlanResult::WouldSend;
        } else {
            outcome.row.mac = macs_[static_cast<std::size_t>(r)];
        }
        showRow(r, outcome);
    }
    fitRows();
}

void AssignAddressesDialog::fitRows() {
    // The short columns fit their texts; the notes take the rest, wrapped.
    for (int column = 0; column < kNotes; ++column) table_->resizeColumnToContents(column);
    table_->resizeRowsToContents();
}

QString AssignAddressesDialog::resultText(PlanResult result, bool preview) const {
    switch (result) {
    case PlanResult::Pending: return tr("not sent");
    case PlanResult::NotFound: return tr("not found");
    case PlanResult::Unchanged: return tr("unchanged");
    // Before Apply nothing has happened yet: the words say what will.
    case PlanResult::Refused: return preview ? tr("will not be sent") : tr("refused");
    case PlanResult::WouldSend: return tr("will be sent");
    case PlanResult::NotSent: return tr("not sent");
    case PlanResult::Confirmed: return tr("confirmed");
    case PlanResult::NotConfirmed: return tr("not confirmed");
    case PlanResult::Verified: return tr("verified");
    case PlanResult::NotVerified: return tr("not verified");
    }
    return {};
}

QStringList AssignAddressesDialog::notesOf(const PlanRowOutcome& o) const {
    QStringList notes;
    const auto mac = [](const link::MacAddress& m) { return QString::fromStdString(link::FormatMacLower(m)); };
    if (!o.cycle.empty()) {
        QStringList macs;
        for (const auto& m : o.cycle) macs << mac(m);
        notes << tr("%1 take each other's addresses in a circle, which would need a temporary address: nothing is "
                    "sent to them. Give one of them an unused address first.")
                     .arg(macs.join(QStringLiteral(", ")));
    }
    if (o.heldBy && o.row.ip) {
        notes << tr("%1 still holds %2: its own row did not move it away, so this row was not sent.")
                     .arg(mac(*o.heldBy), dotted(*o.row.ip));
    }
    if (o.notOffered) notes << numberedText(kSettingNotOffered, QString::number(o.before->featureCode()));
    if (o.refusalMessageId) notes << widgets::stringText(*o.refusalMessageId).simplified();
    notes << translatedWarningSentences(o.warnings);
    if (!o.sendError.isEmpty()) notes << o.sendError;
    if (!o.notRecorded.isEmpty()) notes << history::notRecordedText(o.notRecorded);
    if (o.verificationCancelled) {
        notes << tr("Not verified: the check was cancelled.");
    } else if (o.verification && !o.verification->verified()) {
        notes << verificationNote(o.after, *o.verification).text;
    }
    if (!o.verificationNotRecorded.isEmpty()) notes << history::notRecordedText(o.verificationNotRecorded);
    return notes;
}

void AssignAddressesDialog::showRow(int row, const PlanRowOutcome& o) {
    const auto cell = [&](int column, const QString& text) {
        auto* item = new QTableWidgetItem(text);
        item->setToolTip(text);
        table_->setItem(row, column, item);
    };
    cell(kMac, QString::fromStdString(link::FormatMacLower(o.row.mac)));
    // The address, then every other value the row changes, in both columns.
    QStringList now{o.before ? dotted(o.before->ipAddress()) : QString()};
    QStringList next{o.row.ip ? dotted(*o.row.ip) : QString()};
    if (o.before) {
        const link::DiscoveredDevice& b = *o.before;
        const link::DiscoveredDevice& a = o.after;
        const auto both = [&](bool differs, const QString& was, const QString& will) {
            if (!differs) return;
            now << was;
            next << will;
        };
        both(a.subnetMask() != b.subnetMask(), tr("mask %1").arg(dotted(b.subnetMask())),
             tr("mask %1").arg(dotted(a.subnetMask())));
        both(a.gateway() != b.gateway(), tr("gateway %1").arg(dotted(b.gateway())),
             tr("gateway %1").arg(dotted(a.gateway())));
        both(a.port() != b.port(), tr("port %1").arg(b.port()), tr("port %1").arg(a.port()));
        const auto dhcp = [](bool on) { return on ? tr("DHCP on") : tr("DHCP off"); };
        both(a.dhcp() != b.dhcp(), dhcp(b.dhcp()), dhcp(a.dhcp()));
    }
    cell(kNow, now.join(QLatin1Char('\n')));
    cell(kNew, next.join(QLatin1Char('\n')));
    cell(kResult, o.row.ip ? resultText(o.result, !running_ && outcomes_.empty()) : QString());
    cell(kNotes, notesOf(o).join(QLatin1Char('\n')));
}

void AssignAddressesDialog::setEditable(bool editable) {
    for (QWidget* w :
         {static_cast<QWidget*>(firstEdit_), static_cast<QWidget*>(maskEdit_), static_cast<QWidget*>(gatewayEdit_),
          static_cast<QWidget*>(portEdit_), static_cast<QWidget*>(forceCheck_), static_cast<QWidget*>(conflictsCheck_)})
        w->setEnabled(editable);
}

void AssignAddressesDialog::apply() {
    const auto rows = plan();
    if (!rows || running_ || !outcomes_.empty()) return;
    running_ = true;
    setEditable(false);
    applyButton_->setEnabled(false);
    run_ = std::make_shared<Run>(setup_, devicesFor(setup_.mode), *rows, forceCheck_->isChecked(),
                                 conflictsCheck_->isChecked());
    if (!worker_) worker_ = std::make_unique<transport::LinkWorker>();
    // The history lines are written by the plan run on the worker, before
    // the window hears of each row.
    const auto job = [this, run = run_, timing = verifyTiming_] {
        PlanRun& plan = run->plan;
        // Rows run in the plan's order (a printer leaves an address before
        // another takes it); the table keeps the list's order.
        while (!run->stopRows.cancelled() && plan.rowsRun() < plan.rowCount()) {
            const std::size_t row = plan.nextRow();
            const std::size_t step = plan.rowsRun() + 1;
            onWindowThread(this, [this, row, step, count = plan.rowCount()] { showSending(row, step, count); });
            plan.runNextRow();
            onWindowThread(this, [this, row, rowsRun = plan.rowsRun(), outcome = plan.outcomes()[row]] {
                showRowDone(row, rowsRun, outcome);
            });
        }
        run->cancelled = plan.rowsRun() < plan.rowCount();
        const bool anyConfirmed = std::any_of(plan.outcomes().begin(), plan.outcomes().end(),
                                              [](const auto& o) { return o.result == PlanResult::Confirmed; });
        if (!anyConfirmed) return;
        // The rows sent are checked even after a Cancel between rows; a
        // Cancel now ends the wait before that check.
        run->cancel.reset();
        onWindowThread(this, [this] { showVerifying(); });
        const auto progress = [this](std::chrono::milliseconds elapsed, std::chrono::milliseconds limit) {
            onWindowThread(this, [this, elapsed, limit] {
                status_->setText(tr("Searching for the printers again: %1 of at most %2 s…")
                                     .arg(elapsed.count() / 1000)
                                     .arg(limit.count() / 1000));
            });
        };
        if (!plan.verify(timing, &run->verifyError, &run->cancel, progress)) {
            run->verifyError = run->cancel.cancelled() ? tr("The check after the change was cancelled: the "
                                                            "confirmed printers are not verified.")
                                                       : run->verifyError.trimmed();
        }
    };
    worker_->start(job, [this, run = run_] { finishRun(run->cancelled, run->verifyError); });
}

void AssignAddressesDialog::showSending(std::size_t row, std::size_t step, std::size_t count) {
    status_->setText(tr("Sending to %1 (%2 of %3)…")
                         .arg(QString::fromStdString(link::FormatMacLower(macs_.at(row))))
                         .arg(step)
                         .arg(count));
}

void AssignAddressesDialog::showRowDone(std::size_t row, std::size_t rowsRun, const PlanRowOutcome& outcome) {
    showRow(static_cast<int>(row), outcome);
    fitRows();
    progress_->setValue(static_cast<int>(rowsRun));
}

void AssignAddressesDialog::showVerifying() {
    cancelButton_->setEnabled(true);
    const int seconds = (verifyTiming_.pauseMs + 999) / 1000;
    status_->setText(tr("Waiting %1 s for the printers to restart, then searching for them again…").arg(seconds));
}

void AssignAddressesDialog::finishRun(bool cancelled, const QString& verifyError) {
    outcomes_ = run_->plan.outcomes();
    // The list shows the printers as they now are.
    showConfirmedRows(devicesFor(setup_.mode), outcomes_);
    QStringList sent;
    for (const auto& o : outcomes_) {
        const PlanResult r = o.result;
        if (r == PlanResult::Confirmed || r == PlanResult::NotConfirmed || r == PlanResult::Verified ||
            r == PlanResult::NotVerified)
            sent << QString::fromStdString(link::FormatMacLower(o.row.mac));
    }
    for (int r = 0; r < static_cast<int>(outcomes_.size()); ++r) showRow(r, outcomes_[static_cast<std::size_t>(r)]);
    fitRows();
    progress_->setValue(progress_->maximum());
    QString summary;
    if (cancelled) {
        summary = sent.isEmpty()
                      ? tr("Cancelled before anything was sent.")
                      : tr("Cancelled: sent to %1; the other rows were not sent.").arg(sent.join(QStringLiteral(", ")));
    } else {
        int verified = 0;
        for (const auto& o : outcomes_)
            verified += o.result == PlanResult::Verified || o.result == PlanResult::Unchanged;
        const int total = static_cast<int>(outcomes_.size());
        summary = widgets::counted(tr("Done: the new address shows on %1 of %n printer(s).", nullptr, total), total)
                      .arg(verified);
    }
    status_->setText(verifyError.isEmpty() ? summary : summary + QLatin1Char('\n') + verifyError);
    running_ = false;
    cancelButton_->setEnabled(true);
    cancelButton_->setText(tr("Close"));
}

void AssignAddressesDialog::reject() {
    if (running_) {
        run_->stopRows.cancel();
        run_->cancel.cancel();
        cancelButton_->setEnabled(false);  // heard; the row under way finishes first
        return;
    }
    QDialog::reject();
}

}  // namespace corvane::lan
