#include "direct/ui/bss_page.h"

#include <memory>

#include <algorithm>

#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>

#include "link/exchange/bss_exchange.h"
#include "link/string_table.h"
#include "direct/ui/control_sync.h"
#include "direct/ui/link_wait.h"
#include "ui_bss_page.h"
#include "widgets/messages.h"
#include "widgets/tables.h"

namespace corvane::direct {

using rules::BssControl;

namespace {
// The survey's mode texts, in the user's language.
constexpr const char* kInfrastructure = QT_TRANSLATE_NOOP("BssPage", "Infrastructure");
constexpr const char* kAdhoc = QT_TRANSLATE_NOOP("BssPage", "Ad hoc");
}  // namespace

BssPage::BssPage(rules::BssPage& model, LinkAccess& link, QWidget* parent)
    : ConfigPage(parent), model_(model), link_(link), ui_(std::make_unique<Ui::BssPage>()) {
    ui_->setupUi(this);
    widgets::setColumnWidths(*ui_->bssList, {30, 120, 120, 80, 50, 100});
    // Columns as wide as what they hold, sortable by a click on the title;
    // the list starts wide enough for a full row of a typical survey.
    ui_->bssList->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui_->bssList->horizontalHeader()->setStretchLastSection(true);
    ui_->bssList->sortByColumn(0, Qt::AscendingOrder);
    fitColumns();
    connect(ui_->getBssButton, &QPushButton::clicked, this, &BssPage::onGetBssInformation);
    connect(ui_->useNetworkButton, &QPushButton::clicked, this, &BssPage::chooseSelected);
    connect(ui_->bssList, &QTableWidget::itemDoubleClicked, this, &BssPage::chooseSelected);
    connect(ui_->bssList, &QTableWidget::itemSelectionChanged, this, &BssPage::updateUseButton);
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
    updateUseButton();
}

void BssPage::updateUseButton() {
    ui_->useNetworkButton->setEnabled(ui_->bssList->isEnabled() && !ui_->bssList->selectedItems().isEmpty());
}

void BssPage::chooseSelected() {
    const auto selected = ui_->bssList->selectedItems();
    if (selected.isEmpty() || !ui_->bssList->isEnabled()) return;
    const int row = selected.first()->row();
    emit networkChosen(ui_->bssList->item(row, 0)->data(Qt::UserRole).toInt());
}

// The list's minimum width holds the widest texts a survey row has: a full
// BSSID, "Infrastructure", a long security set and a fair SSID.
void BssPage::fitColumns() {
    auto& list = *ui_->bssList;
    const QFontMetrics metrics(list.font());
    const QString samples[] = {QStringLiteral("100"),
                               QStringLiteral("Corvane-Office-5G"),
                               QStringLiteral("00-1A-2B-3C-4D-5E"),
                               QStringLiteral("Infrastructure"),
                               QStringLiteral("-100"),
                               QStringLiteral("WEP64/WPA2/RSN2")};
    int width = 2 * list.frameWidth() + list.verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < list.columnCount(); ++c) {
        const int cell =
            metrics.horizontalAdvance(samples[c]) + 4 * list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 12;
        width += std::max(cell, list.horizontalHeader()->sectionSizeHint(c));
    }
    list.setMinimumWidth(width);
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
        widgets::showMessage(this, kConnectFailed);
        return;
    }
    ui_->bssList->setRowCount(0);
    link_.bssTable = {};
    // The job fills its own table; the window's is replaced once it ended.
    auto table = std::make_shared<BssTable>();
    auto accepted = std::make_shared<bool>(false);
    link_.run(
        [this, table, accepted] {
            *accepted = static_cast<bool>(link::QueryBssOverLink(
                link_.port, *table,
                [this](int percent) {
                    QMetaObject::invokeMethod(
                        this, [this, percent] { ui_->progressBar->setValue(percent); }, Qt::QueuedConnection);
                },
                link_.waits));
        },
        [this, table, accepted] {
            if (*accepted) {
                link_.bssTable = *table;
                showBssTable(link_.bssTable);
            }
            // A survey the user cancelled needs no message: the window disconnected.
            if (*accepted || !link_.waits.cancelled())
                widgets::showMessage(this, *accepted ? kBssImported : kBssFailed);
            ui_->progressBar->setValue(0);
        });
}

void BssPage::showBssTable(const BssTable& table) {
    auto& list = *ui_->bssList;
    // Rows go in unsorted; sorting while they arrive would scatter a row's cells.
    list.setSortingEnabled(false);
    const std::size_t shown = ShownBssCount(table);
    for (std::size_t k = 0; k < shown; ++k) {
        const auto texts = BssRowTexts(k, table[k]);
        widgets::appendTableRow(list, {texts.begin(), texts.end()});
        const int row = list.rowCount() - 1;
        // The number and the signal strength sort as numbers.
        list.item(row, 0)->setData(Qt::DisplayRole, static_cast<int>(k) + 1);
        list.item(row, 0)->setData(Qt::UserRole, static_cast<int>(k));
        list.item(row, 4)->setData(Qt::DisplayRole, static_cast<int>(table[k].rssi));
        list.item(row, 3)->setText(
            QCoreApplication::translate("BssPage", table[k].mode != 0 ? kAdhoc : kInfrastructure));
    }
    list.setSortingEnabled(true);
}

}  // namespace corvane::direct
