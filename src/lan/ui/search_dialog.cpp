#include "lan/ui/search_dialog.h"

#include <algorithm>

#include <QTimer>

#include "lan/device_lists.h"
#include "lan/request_failure.h"
#include "link/string_table.h"
#include "ui_search_dialog.h"
#include "widgets/messages.h"

namespace corvane::lan {

SearchDialog::SearchDialog(link::ListMode mode, const QString& localAddress, const QString& broadcastAddress,
                           QWidget* parent, const transport::LanEndpoints& endpoints)
    : QDialog(parent),
      ui_(std::make_unique<Ui::SearchDialog>()),
      search_(std::make_unique<DiscoverySearch>(mode, localAddress, broadcastAddress, endpoints, devicesFor(mode))) {
    connect(search_.get(), &DiscoverySearch::ticked, this, &SearchDialog::onTicked);
    // Whatever ended the search, the window closes as cancelled; the opener
    // shows the list either way.
    connect(search_.get(), &DiscoverySearch::finished, this, [this] { QDialog::reject(); });
    setUp();
}

SearchDialog::SearchDialog(link::ListMode mode, const QList<Adapter>& adapters, QWidget* parent,
                           const transport::LanEndpoints& endpoints)
    : QDialog(parent),
      ui_(std::make_unique<Ui::SearchDialog>()),
      everyAdapter_(std::make_unique<EveryAdapterSearch>(mode, adapters, endpoints, devicesFor(mode))) {
    connect(everyAdapter_.get(), &EveryAdapterSearch::ticked, this, &SearchDialog::onTicked);
    connect(everyAdapter_.get(), &EveryAdapterSearch::finished, this, [this] { QDialog::reject(); });
    setUp();
}

void SearchDialog::setUp() {
    ui_->setupUi(this);
    ui_->progressBar->setRange(0, DiscoverySearch::kProgressMaximum);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &SearchDialog::reject);
}

SearchDialog::~SearchDialog() = default;

void SearchDialog::setTickInterval(int ms) {
    if (search_) search_->setTickInterval(ms);
    if (everyAdapter_) everyAdapter_->setTickInterval(ms);
}

QStringList SearchDialog::adapterFailures() const { return everyAdapter_ ? everyAdapter_->failures() : QStringList(); }

bool SearchDialog::isRunning() const { return search_ ? search_->isRunning() : everyAdapter_->isRunning(); }

void SearchDialog::reject() {
    if (isRunning()) {
        // Finishing closes the window.
        if (search_) search_->cancel();
        else everyAdapter_->cancel();
    } else {
        QDialog::reject();
    }
}

bool SearchDialog::begin() {
    started_ = true;
    if (everyAdapter_) {
        if (!everyAdapter_->start()) {
            widgets::showNote(parentWidget(), everyAdapter_->failures().join(QLatin1Char('\n')));
            return false;
        }
        onTicked(everyAdapter_->progress(), everyAdapter_->statusText());
        return true;
    }
    if (!search_->start()) {
        // Nothing went out: an empty list would wrongly say no printer answered.
        widgets::showMessageWith(parentWidget(), kSearchNotStarted, channelFailureText(search_->failure()));
        return false;
    }
    onTicked(search_->progress(), search_->statusText());
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
    ui_->progressBar->setValue(std::min(progress, static_cast<int>(DiscoverySearch::kProgressMaximum)));
    ui_->statusLabel->setText(statusText);
}

}  // namespace corvane::lan
