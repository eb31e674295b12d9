#include "ui/bss_page.h"

#include "app/messages.h"
#include "app/table_columns.h"
#include "link/exchange/bss_exchange.h"
#include "link/string_table.h"
#include "ui/control_sync.h"
#include "ui/link_wait.h"
#include "ui_bss_page.h"

namespace corvane::ui {

using rules::BssControl;

BssPage::BssPage(rules::BssPage& model, LinkAccess& link, QWidget* parent)
    : ConfigPage(parent), model_(model), link_(link), ui_(std::make_unique<Ui::BssPage>()) {
    ui_->setupUi(this);
    app::setColumnWidths(*ui_->bssList, {30, 120, 120, 80, 50, 100});
    connect(ui_->getBssButton, &QPushButton::clicked, this, &BssPage::onGetBssInformation);
    render();
}

BssPage::~BssPage() = default;

void BssPage::render() {
    const auto& c = model_.controls();
    applyState(ui_->bssList, c[BssControl::List]);
    applyState(ui_->getBssButton, c[BssControl::GetButton]);
    // Every enabling belongs to a new connection: its survey starts empty.
    if (model_.clearRequests() != clearsDone_) {
        clearsDone_ = model_.clearRequests();
        ui_->bssList->setRowCount(0);
    }
}

QWidget* BssPage::controlWidget(int id) const {
    switch (static_cast<BssControl>(id)) {
    case BssControl::List: return ui_->bssList;
    case BssControl::GetButton: return ui_->getBssButton;
    case BssControl::Progress: return ui_->progressBar;
    }
    return nullptr;
}

void BssPage::onGetBssInformation() {
    if (!link_.port.isOpen()) {
        app::showMessage(this, kConnectFailed);
        return;
    }
    ui_->bssList->setRowCount(0);
    int accepted = 0;
    {
        const ExchangeScope exchange(link_);
        link_.bssTable = {};
        accepted = link::queryBssOverLink(
            link_.port, link_.bssTable, [this](int percent) { ui_->progressBar->setValue(percent); }, link_.waits);
        if (accepted == 1) showBssTable(link_.bssTable);
    }
    // A survey the user cancelled needs no message: the window disconnected.
    if (accepted == 1 || !link_.waits.cancelled()) app::showMessage(this, accepted == 1 ? kBssImported : kBssFailed);
    ui_->progressBar->setValue(0);
}

void BssPage::showBssTable(const BssTable& table) {
    const std::size_t shown = shownBssCount(table);
    for (std::size_t k = 0; k < shown; ++k) {
        const auto texts = bssRowTexts(k, table[k]);
        appendCenteredRow(*ui_->bssList, {texts.begin(), texts.end()});
    }
}

}  // namespace corvane::ui
