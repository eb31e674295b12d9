#include "lan/ui/bss_info_dialog.h"

#include <QCoreApplication>
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

BssInfoDialog::~BssInfoDialog() = default;

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

    transport::LanSurvey survey(printerAddress_, surveyPort_, timings_);
    survey.setProgressCallback([this](int value) { ui_->progressBar->setValue(value); });
    // The query blocks; keep the window drawn meanwhile and its Cancel
    // button working (the survey button is disabled).
    survey.setIdleHook([] { QCoreApplication::processEvents(); });
    survey.setCancelToken(&cancel_);
    const auto accepted = survey.queryBssOverTcp();
    if (accepted) {
        const BssTable& table = survey.table();
        const std::size_t shown = ShownBssCount(table);
        for (std::size_t k = 0; k < shown; ++k) {
            const auto texts = BssRowTexts(k, table[k]);
            widgets::appendTableRow(*ui_->bssList, {texts.begin(), texts.end()});
        }
    }
    if (!cancel_.cancelled()) widgets::showMessage(this, accepted ? kBssImported : kBssFailed);
    ui_->progressBar->setValue(0);
    survey.closeSurveySocket();
    ui_->surveyButton->setEnabled(true);
    running_ = false;
    if (closeAfterSurvey_)
        QMetaObject::invokeMethod(
            this, [this] { done(QDialog::Rejected); }, Qt::QueuedConnection);
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
