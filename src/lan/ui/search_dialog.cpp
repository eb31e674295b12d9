#include "lan/ui/search_dialog.h"

#include <algorithm>

#include <QTimer>

#include "lan/device_lists.h"
#include "lan/request_failure.h"
#include "link/string_table.h"
#include "ui_search_dialog.h"
#include "widgets/messages.h"

namespace corvane::lan {

SearchDialog::SearchDialog(ListMode mode, const QString& localAddress, const QString& broadcastAddress,
                           QWidget* parent, const LanEndpoints& endpoints)
    : QDialog(parent),
      ui_(std::make_unique<Ui::SearchDialog>()),
      search_(mode, localAddress, broadcastAddress, endpoints, devicesFor(mode)) {
    ui_->setupUi(this);
    ui_->progressBar->setRange(0, DiscoverySearch::kProgressMaximum);
    connect(&search_, &DiscoverySearch::ticked, this, &SearchDialog::onTicked);
    // Whatever ended the search, the window closes as cancelled; the opener
    // shows the list either way.
    connect(&search_, &DiscoverySearch::finished, this, [this] { QDialog::reject(); });
    connect(ui_->cancelButton, &QPushButton::clicked, this, &SearchDialog::reject);
}

SearchDialog::~SearchDialog() = default;

void SearchDialog::reject() {
    if (search_.isRunning()) {
        search_.cancel();  // finishing closes the window
    } else {
        QDialog::reject();
    }
}

bool SearchDialog::begin() {
    started_ = true;
    if (!search_.start()) {
        // Nothing went out: an empty list would wrongly say no printer answered.
        widgets::showMessageWith(parentWidget(), kSearchNotStarted, channelFailureText(search_.failure()));
        return false;
    }
    onTicked(search_.progress(), search_.statusText());
    return true;
}

int SearchDialog::exec() {
    if (!started_ && !begin()) {
        setResult(QDialog::Rejected);
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

void SearchDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Shown without exec(): start here, and close again when that fails.
    if (!started_ && !begin()) QTimer::singleShot(0, this, [this] { QDialog::reject(); });
}

void SearchDialog::onTicked(int progress, const QString& statusText) {
    ui_->progressBar->setValue(std::min(progress, DiscoverySearch::kProgressMaximum));
    ui_->statusLabel->setText(statusText);
}

}  // namespace corvane::lan
