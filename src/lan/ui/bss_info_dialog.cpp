#include "lan/ui/bss_info_dialog.h"

#include <QThread>
#include <QTimer>

#include "link/string_table.h"
#include "ui_bss_info_dialog.h"
#include "widgets/messages.h"
#include "widgets/tables.h"

namespace corvane::lan {

BssInfoDialog::BssInfoDialog(const QString& printerAddress, QWidget* parent, const transport::LanEndpoints& endpoints)
    : QDialog(parent),
      ui_(std::make_unique<Ui::BssInfoDialog>()),
      printerAddress_(printerAddress),
      surveyPort_(endpoints.surveyPort) {
    ui_->setupUi(this);
    widgets::setColumnWidths(*ui_->bssList, {30, 140, 150, 100, 60, 110});
    connect(ui_->surveyButton, &QPushButton::clicked, this, &BssInfoDialog::runBssSurvey);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

BssInfoDialog::~BssInfoDialog() {
    // The survey refers to this window's cancel request: stop it and let it end.
    if (worker_) {
        cancel_.cancel();
        worker_->wait();
    }
}

void BssInfoDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (started_) return;
    started_ = true;
    QTimer::singleShot(startDelayMs_, this, &BssInfoDialog::runBssSurvey);
}

void BssInfoDialog::runBssSurvey() {
    if (running_) return;
    running_ = true;
    cancel_.reset();
    ui_->surveyButton->setEnabled(false);
    ui_->bssList->setRowCount(0);

    // The query blocks in short waits on its own thread; progress and the
    // result come back to this window as queued calls.
    worker_ = QThread::create([this, address = printerAddress_, port = surveyPort_, timings = timings_] {
        transport::LanSurvey survey(address, port, timings);
        survey.setProgressCallback([this](int value) {
            QMetaObject::invokeMethod(
                this, [this, value] { ui_->progressBar->setValue(value); }, Qt::QueuedConnection);
        });
        survey.setCancelToken(&cancel_);
        const bool accepted = static_cast<bool>(survey.queryBssOverTcp());
        const BssTable table = survey.table();
        survey.closeSurveySocket();
        QMetaObject::invokeMethod(
            this, [this, accepted, table] { onSurveyDone(accepted, table); }, Qt::QueuedConnection);
    });
    worker_->start();
}

void BssInfoDialog::onSurveyDone(bool accepted, const BssTable& table) {
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
    if (accepted) {
        const std::size_t shown = ShownBssCount(table);
        for (std::size_t k = 0; k < shown; ++k) {
            const auto texts = BssRowTexts(k, table[k]);
            widgets::appendTableRow(*ui_->bssList, {texts.begin(), texts.end()});
        }
    }
    if (!cancel_.cancelled()) widgets::showMessage(this, accepted ? kBssImported : kBssFailed);
    ui_->progressBar->setValue(0);
    ui_->surveyButton->setEnabled(true);
    running_ = false;
    if (closeAfterSurvey_) done(QDialog::Rejected);
}

void BssInfoDialog::done(int result) {
    if (running_) {
        // Cancel, Escape or the close button during a query: stop it; the
        // window closes once it has ended.
        closeAfterSurvey_ = true;
        cancel_.cancel();
        return;
    }
    QDialog::done(result);
}

}  // namespace corvane::lan
