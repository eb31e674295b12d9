#include "lan/ui/search_dialog.h"

#include <algorithm>

#include "lan/device_lists.h"
#include "ui_search_dialog.h"

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

void SearchDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (started_) return;
    started_ = true;
    search_.start();
    onTicked(search_.progress(), search_.statusText());
}

void SearchDialog::onTicked(int progress, const QString& statusText) {
    ui_->progressBar->setValue(std::min(progress, DiscoverySearch::kProgressMaximum));
    ui_->statusLabel->setText(statusText);
}

}  // namespace corvane::lan
