#include "lan/ui/device_list_dialog.h"

#include <algorithm>
#include <optional>
#include <tuple>
#include <vector>

#include <QApplication>
#include <QBoxLayout>
#include <QDesktopServices>
#include <QHeaderView>
#include <QKeyEvent>
#include <QProgressDialog>
#include <QTimer>

#include "history/change_entries.h"
#include "lan/device_lists.h"
#include "lan/ui/assign_addresses_dialog.h"
#include "lan/ui/bss_info_dialog.h"
#include "lan/ui/device_list_export.h"
#include "lan/ui/find_at_address.h"
#include "lan/ui/lan_settings_dialog.h"
#include "lan/ui/local_address_dialog.h"
#include "lan/ui/search_dialog.h"
#include "lan/ui/test_print_button.h"
#include "lan/ui/verification_note.h"
#include "lan/verify_search.h"
#include "transport/test_print.h"
#include "link/printer_config.h"
#include "link/string_table.h"
#include "ui_device_list_dialog.h"
#include "widgets/messages.h"
#include "widgets/translation.h"
#include "widgets/tables.h"

namespace corvane::lan {

namespace {

QString dotted(link::Ipv4Address a) { return QString::fromStdString(a.text()); }

constexpr int kFeatureCodeRole = Qt::UserRole;
constexpr int kSortKeyRole = Qt::UserRole + 1;

// A cell that sorts by its number rather than its text: addresses and ports
// numerically, "No" by arrival.
class SortedCell : public QTableWidgetItem {
public:
    SortedCell(const QString& text, std::uint64_t key) : QTableWidgetItem(text) {
        setData(kSortKeyRole, QVariant::fromValue<qulonglong>(key));
        setTextAlignment(Qt::AlignCenter);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        return data(kSortKeyRole).toULongLong() < other.data(kSortKeyRole).toULongLong();
    }
};

// Texts of this window, under the context of its form's texts.
QString formText(const char* text) { return QCoreApplication::translate("DeviceListDialog", text); }

constexpr const char* kFound = QT_TRANSLATE_N_NOOP("DeviceListDialog", "%n printer(s) found.");
constexpr const char* kFoundOn = QT_TRANSLATE_N_NOOP("DeviceListDialog", "%n printer(s) found on %1.");
constexpr const char* kWaitingForRestart =
    QT_TRANSLATE_NOOP("DeviceListDialog", "Waiting %1 s for the printer to restart its network…");
constexpr const char* kChangedPrinterMissing =
    QT_TRANSLATE_NOOP("DeviceListDialog", "The printer %1 did not answer this search.");

}  // namespace

DeviceListDialog::DeviceListDialog(link::ListMode listMode, QWidget* parent, const transport::LanEndpoints& endpoints)
    : QDialog(parent),
      ui_(std::make_unique<Ui::DeviceListDialog>()),
      listMode_(listMode),
      endpoints_(endpoints),
      buttons_(listMode),
      urlOpener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    ui_->setupUi(this);
    // Arrival order until the user clicks another column's title. The titles
    // make room for the sort arrow.
    ui_->deviceList->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    ui_->deviceList->setSortingEnabled(true);
    widgets::setColumnWidths(*ui_->deviceList, {30, 140, 130, 130, 130, 70, 70});
    ui_->deviceList->installEventFilter(this);
    ui_->bssInfoButton->setVisible(buttons_.showsWlanButtons());
    // Certificates reach a printer only over USB or a serial cable (the
    // launcher's third way in); a LAN window cannot upload one, so it offers
    // no button that would do nothing.
    ui_->certificateButton->setVisible(false);
    QBoxLayout* extraRow = addExportButtons(*this, *ui_->mainLayout, listMode_, [this] { return shownNumbers(); });
    connect(addFindAtAddressButton(*this, *extraRow), &QPushButton::clicked, this, &DeviceListDialog::onFindAtAddress);
    auto* assignButton = new QPushButton(tr("Assign addresses..."), this);
    assignButton->setObjectName(QStringLiteral("assignAddressesButton"));
    assignButton->setToolTip(tr("Gives the chosen printers consecutive addresses."));
    extraRow->insertWidget(1, assignButton);
    connect(assignButton, &QPushButton::clicked, this, &DeviceListDialog::onAssignAddresses);
    connect(addTestPrintButton(*this, *extraRow, 2), &QPushButton::clicked, this, &DeviceListDialog::onTestPrint);
    // The status line shares its row with the test print offered after a
    // verified change.
    auto* statusRow = new QHBoxLayout;
    const int statusIndex = ui_->mainLayout->indexOf(ui_->statusLabel);
    ui_->mainLayout->removeWidget(ui_->statusLabel);
    statusRow->addWidget(ui_->statusLabel, 1);
    printOffer_ = new QPushButton(tr("Print a test page"), this);
    printOffer_->setObjectName(QStringLiteral("testPrintOfferButton"));
    printOffer_->setAutoDefault(false);
    printOffer_->hide();
    statusRow->addWidget(printOffer_, 0, Qt::AlignTop);
    ui_->mainLayout->insertLayout(statusIndex, statusRow);
    connect(printOffer_, &QPushButton::clicked, this, &DeviceListDialog::onTestPrintOffer);
    applyButtonState();

    connect(ui_->searchButton, &QPushButton::clicked, this, &DeviceListDialog::onSearch);
    connect(ui_->settingButton, &QPushButton::clicked, this, &DeviceListDialog::onSetting);
    connect(ui_->bssInfoButton, &QPushButton::clicked, this, &DeviceListDialog::onBssInfo);
    connect(ui_->webButton, &QPushButton::clicked, this, &DeviceListDialog::onWeb);
    // "Certificate upload" only follows the printer's features; this window
    // offers no upload of its own.
    connect(ui_->exitButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->deviceList, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int, int) { onCurrentRowChanged(row); });
    connect(ui_->deviceList, &QTableWidget::cellDoubleClicked, this, [this] { onRowActivated(); });
}

DeviceListDialog::~DeviceListDialog() = default;

void DeviceListDialog::applyButtonState() {
    const DeviceListButtons& state = buttons_.state();
    ui_->settingButton->setEnabled(state.setting);
    ui_->webButton->setEnabled(state.web);
    ui_->bssInfoButton->setEnabled(state.bssInfo);
    ui_->certificateButton->setEnabled(state.certificate);
    // A button the printer's feature code greys out says why.
    const bool byPrinter = buttons_.decidingCode().has_value();
    const auto explain = [byPrinter](QPushButton* button, const char* why) {
        button->setToolTip(byPrinter && !button->isEnabled() ? formText(why) : QString());
    };
    explain(
        ui_->settingButton,
        QT_TRANSLATE_NOOP("DeviceListDialog", "This printer does not support changing its settings from the list."));
    explain(ui_->webButton, QT_TRANSLATE_NOOP("DeviceListDialog", "This printer does not support a web page."));
    explain(ui_->bssInfoButton,
            QT_TRANSLATE_NOOP("DeviceListDialog", "This printer does not support the access point survey."));
}

bool DeviceListDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->deviceList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Without a chosen row, Enter goes on to the window: Search.
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && ui_->deviceList->selectionModel()->hasSelection()) {
            onRowActivated();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DeviceListDialog::onRowActivated() {
    if (ui_->settingButton->isEnabled()) {
        onSetting();
        return;
    }
    const QString why = ui_->settingButton->toolTip();
    if (!why.isEmpty()) ui_->statusLabel->setText(why);
}

void DeviceListDialog::onSearch() {
    if (!endpoints_.localAddress.isEmpty()) {
        // Given on the command line: no need to ask.
        searchFrom(endpoints_.localAddress);
        return;
    }
    LocalAddressDialog chooser(this, transport::LocalAddressModel(addressSource_));
    if (chooser.exec() != QDialog::Accepted) {
        // The stored records stay for the next search, but with no row in
        // the list there is nothing to act on.
        clearDeviceList();
        return;
    }
    if (chooser.allAddresses()) {
        searchFromEveryAdapter(chooser.adapters());
        return;
    }
    adapters_.clear();
    localAddress_ = chooser.localAddress();
    broadcastAddress_ = chooser.broadcastAddress();
    runSearch();
}

void DeviceListDialog::searchFromEveryAdapter(const QList<Adapter>& adapters) {
    adapters_ = adapters;
    localAddress_.clear();
    broadcastAddress_.clear();
    runSearch();
}

void DeviceListDialog::searchFrom(const QString& localAddress) {
    adapters_.clear();
    localAddress_ = localAddress;
    broadcastAddress_ = transport::broadcastAddressFor(localAddress);
    runSearch();
}

void DeviceListDialog::runSearch() {
    {
        std::unique_ptr<SearchDialog> search =
            adapters_.isEmpty()
                ? std::make_unique<SearchDialog>(listMode_, localAddress_, broadcastAddress_, this, endpoints_)
                : std::make_unique<SearchDialog>(listMode_, adapters_, this, endpoints_);
        search->setTickInterval(timings_.searchTickMs);
        search->exec();
        adapterFailures_ = search->adapterFailures();
    }
    fillDeviceList();
}

void DeviceListDialog::clearDeviceList() {
    const QSignalBlocker block(ui_->deviceList);
    ui_->deviceList->setRowCount(0);
    ui_->statusLabel->clear();
    selectedNumber_ = -1;
    buttons_.listFilled({});
    applyButtonState();
}

int DeviceListDialog::listedNumber() const {
    return selectedNumber_ >= 1 && selectedNumber_ <= ui_->deviceList->rowCount() ? selectedNumber_ : -1;
}

void DeviceListDialog::fillDeviceList() {
    // A new list: the last change's offer is no longer what it shows.
    offered_.reset();
    printOffer_->hide();
    filling_ = true;
    QTableWidget& table = *ui_->deviceList;
    table.setRowCount(0);
    selectedNumber_ = -1;

    // Rows go in unsorted, then take the order the user chose.
    table.setSortingEnabled(false);
    const link::DeviceList& devices = devicesFor(listMode_);
    std::vector<std::uint8_t> featureCodes;
    for (int n = 1; const link::DiscoveredDevice* device = devices.deviceAt(n); ++n) {
        const int row = table.rowCount();
        table.insertRow(row);
        const auto texts = link::DeviceRowTexts(n, *device);
        const auto keys = link::DeviceRowSortKeys(n, *device);
        for (int column = 0; column < static_cast<int>(texts.size()); ++column)
            table.setItem(row, column, new SortedCell(QString::fromStdString(texts[column]), keys[column]));
        table.item(row, 0)->setData(kFeatureCodeRole, device->featureCode());
        featureCodes.push_back(device->featureCode());
    }
    fillWayColumns();
    table.setSortingEnabled(true);
    buttons_.listFilled(featureCodes);
    applyButtonState();
    if (!featureCodes.empty()) {
        // Choosing printer 1 makes it the selected number, as a click would.
        const int row = rowOfNumber(1);
        table.setCurrentCell(row, 0);
        table.selectRow(row);
        table.scrollToItem(table.item(row, 0));
        selectedNumber_ = 1;
        table.setFocus();
    }
    filling_ = false;
    showFoundStatus();
}

void DeviceListDialog::fillWayColumns() {
    // A column that reads the same on every row says nothing: "Reached"
    // appears once the list mixes rows found by broadcast with rows found
    // by their own address (Find at address), and both columns when the
    // search went out from every address.
    QTableWidget& table = *ui_->deviceList;
    constexpr int kFirst = static_cast<int>(std::tuple_size_v<decltype(link::DeviceRowTexts(0, {}))>);
    const link::DeviceList& devices = devicesFor(listMode_);
    bool anyUnicast = false;
    bool anyBroadcast = false;
    for (int n = 1; const link::DiscoveredDevice* device = devices.deviceAt(n); ++n) {
        anyUnicast = anyUnicast || device->unicast;
        anyBroadcast = anyBroadcast || !device->unicast;
    }
    const bool adapters = !adapters_.isEmpty();
    QStringList titles;
    if ((anyUnicast && anyBroadcast) || adapters) titles << tr("Reached");
    if (adapters) titles << tr("Adapter");
    table.setColumnCount(kFirst + static_cast<int>(titles.size()));
    for (int c = 0; c < titles.size(); ++c) table.setHorizontalHeaderItem(kFirst + c, new QTableWidgetItem(titles[c]));
    if (titles.isEmpty()) return;
    for (int row = 0; row < table.rowCount(); ++row) {
        const int number = static_cast<int>(table.item(row, 0)->data(kSortKeyRole).toULongLong());
        const link::DiscoveredDevice* device = devices.deviceAt(number);
        if (!device) continue;
        auto* reached = new QTableWidgetItem(device->unicast ? tr("unicast") : tr("broadcast"));
        reached->setTextAlignment(Qt::AlignCenter);
        table.setItem(row, kFirst, reached);
        // The address the answer came in on, and its interface.
        if (adapters) table.setItem(row, kFirst + 1, new QTableWidgetItem(QString::fromStdString(device->adapter)));
    }
}

SearchSetup DeviceListDialog::searchSetup() const {
    SearchSetup setup;
    setup.mode = listMode_;
    setup.localAddress = localAddress_;
    setup.broadcastAddress = broadcastAddress_;
    setup.endpoints = endpoints_;
    setup.adapters = adapters_;
    setup.tickMs = timings_.searchTickMs;
    setup.settingsTimeoutMs = timings_.settingsTimeoutMs(listMode_);
    return setup;
}

int DeviceListDialog::rowOfNumber(int number) const {
    for (int row = 0; row < ui_->deviceList->rowCount(); ++row) {
        const QTableWidgetItem* item = ui_->deviceList->item(row, 0);
        if (item && item->data(kSortKeyRole).toULongLong() == static_cast<qulonglong>(number)) return row;
    }
    return -1;
}

bool DeviceListDialog::chooseRowOf(const link::MacAddress& mac) {
    const link::DeviceList& devices = devicesFor(listMode_);
    for (int n = 1; const link::DiscoveredDevice* device = devices.deviceAt(n); ++n) {
        if (device->macAddress() != mac) continue;
        const int row = rowOfNumber(n);
        if (row < 0) return false;
        ui_->deviceList->setCurrentCell(row, 0);
        ui_->deviceList->selectRow(row);
        ui_->deviceList->scrollToItem(ui_->deviceList->item(row, 0));
        return true;
    }
    return false;
}

void DeviceListDialog::showFoundStatus(const QString& addition) {
    const int found = ui_->deviceList->rowCount();
    QString text;
    if (localAddress_.isEmpty()) {
        text = widgets::counted(QCoreApplication::translate("DeviceListDialog", kFound, nullptr, found), found);
    } else {
        text = widgets::counted(QCoreApplication::translate("DeviceListDialog", kFoundOn, nullptr, found), found)
                   .arg(localAddress_);
    }
    if (!addition.isEmpty()) text += QLatin1Char(' ') + addition;
    // Adapters that could not search: the list lacks what they would have found.
    for (const QString& failure : adapterFailures_) text += QLatin1Char('\n') + failure;
    ui_->statusLabel->setText(text);
}

std::vector<int> DeviceListDialog::shownNumbers() const {
    // One chosen row is only where the cursor is (every search chooses
    // printer 1); several chosen rows are a choice.
    const QTableWidget& table = *ui_->deviceList;
    std::vector<int> rows;
    for (const QModelIndex& index : table.selectionModel()->selectedRows()) rows.push_back(index.row());
    if (rows.size() < 2) {
        rows.clear();
        for (int row = 0; row < table.rowCount(); ++row) rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    std::vector<int> numbers;
    for (int row : rows) numbers.push_back(static_cast<int>(table.item(row, 0)->data(kSortKeyRole).toULongLong()));
    return numbers;
}

void DeviceListDialog::onCurrentRowChanged(int row) {
    if (filling_ || row < 0) return;
    // The row's arrival number, wherever sorting has put the row.
    auto* number = ui_->deviceList->item(row, 0);
    if (!number) return;
    selectedNumber_ = static_cast<int>(number->data(kSortKeyRole).toULongLong());
    buttons_.rowChanged(static_cast<std::uint8_t>(number->data(kFeatureCodeRole).toUInt()));
    applyButtonState();
}

void DeviceListDialog::pauseWithoutInput(int ms) {
    // A modal window that closes itself: the list stays drawn but takes no
    // input meanwhile, as while the verification searches.
    QProgressDialog pause(ui_->statusLabel->text(), QString(), 0, 0, this);
    pause.setWindowTitle(windowTitle());
    pause.setWindowModality(Qt::WindowModal);
    pause.setCancelButton(nullptr);
    pause.setMinimumDuration(0);
    QTimer::singleShot(ms, &pause, &QDialog::accept);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    pause.exec();
    QApplication::restoreOverrideCursor();
}

void DeviceListDialog::onSetting() {
    if (listedNumber() < 0) {
        widgets::showMessage(this, kSelectDevice);
        ui_->deviceList->setFocus();
        return;
    }
    const link::DiscoveredDevice* chosen = devicesFor(listMode_).deviceAt(selectedNumber_);
    const std::optional<link::MacAddress> changedMac = chosen ? std::optional(chosen->macAddress()) : std::nullopt;
    int result = QDialog::Rejected;
    std::optional<ChangedPrinter> confirmed;
    QString local;
    {
        // Found from every address at once: the request leaves through the
        // address that heard the printer.
        const bool ownAdapter = !adapters_.isEmpty() && chosen && !chosen->localAddress.empty();
        local = ownAdapter ? QString::fromStdString(chosen->localAddress) : localAddress_;
        const QString broadcast = ownAdapter ? transport::broadcastAddressFor(local) : broadcastAddress_;
        LanSettingsDialog settings(listMode_, selectedNumber_, local, broadcast, this, endpoints_);
        settings.setTimeout(timings_.settingsTimeoutMs(listMode_));
        result = settings.exec();
        if (settings.confirmed()) confirmed = ChangedPrinter{settings.shownRecord(), settings.sentRecord()};
    }
    if (result != QDialog::Accepted) {
        ui_->deviceList->setFocus();
        return;
    }
    // The printer takes a moment to come back with its new settings: a
    // confirmed change is searched for until it shows; after a time-out
    // the list only searches again after the pause. The searches go out
    // where the first one did: on a computer with several networks the
    // printer is only reachable there.
    std::optional<Verification> verification;
    if (confirmed) {
        verification = verifyChange(*confirmed, local);
    } else {
        const int pauseMs = timings_.researchDelayMs(listMode_);
        ui_->statusLabel->setText(formText(kWaitingForRestart).arg((pauseMs + 999) / 1000));
        pauseWithoutInput(pauseMs);
    }
    runSearch();
    // The printer just changed is the one the user looks for in the new list.
    if (changedMac && !chooseRowOf(*changedMac)) {
        showFoundStatus(
            formText(kChangedPrinterMissing).arg(QString::fromStdString(link::FormatMacLower(*changedMac))));
    }
    if (verification) {
        const VerificationNote note = verificationNote(confirmed->sent, *verification);
        if (note.verified) offerTestPrint(verification->found);
        if (note.verified) widgets::showNote(this, note.text);
        else widgets::showWarning(this, note.text);
    }
}

Verification DeviceListDialog::verifyChange(const ChangedPrinter& changed, const QString& localAddress) {
    const VerifyTiming timing = timings_.verifyTiming(listMode_);
    ui_->statusLabel->setText(formText(kWaitingForRestart).arg((timing.pauseMs + 999) / 1000));
    QProgressDialog progress(formText(kWaitingForRestart).arg((timing.pauseMs + 999) / 1000), tr("Cancel"), 0,
                             std::max(1, std::max(timing.limitMs, timing.pauseMs) / 1000), this);
    progress.setWindowTitle(windowTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoReset(false);
    progress.setValue(0);
    SearchSetup setup = searchSetup();
    setup.localAddress = localAddress;
    // The searches run on the event loop while the modal progress window
    // waits; Cancel ends them, their end closes the window.
    VerifySearch search(setup, {changed}, timing);
    connect(&progress, &QProgressDialog::canceled, &search, &VerifySearch::cancel);
    connect(&search, &VerifySearch::finished, &progress, &QDialog::accept);
    connect(&search, &VerifySearch::searching, &progress, [&progress](int elapsed, int limit) {
        progress.setValue(elapsed);
        progress.setLabelText(tr("Searching for the printer again: %1 of at most %2 s…").arg(elapsed).arg(limit));
    });
    search.start();
    if (search.isRunning()) progress.exec();
    search.cancel();  // closed some other way: the searches end with the window
    if (!search.searched()) {
        widgets::showNote(this, search.error());
        return search.results().front();
    }
    if (const QString problem =
            recordVerification(history::kWindow, listMode_, localAddress, changed.sent, search.results().front());
        !problem.isEmpty())
        widgets::showNote(this, history::notRecordedText(problem));
    return search.results().front();
}

void DeviceListDialog::onFindAtAddress() {
    // Adds to the list: the printers already listed stay.
    if (findAtAddress(this, listMode_, localAddress_, endpoints_, timings_.searchTickMs, addressQuestion_) > 0) {
        fillDeviceList();
    }
}

void DeviceListDialog::onAssignAddresses() {
    // The chosen rows, top to bottom as the list shows them.
    std::vector<int> rows;
    for (const QModelIndex& index : ui_->deviceList->selectionModel()->selectedRows()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    std::vector<link::MacAddress> macs;
    const link::DeviceList& devices = devicesFor(listMode_);
    for (int row : rows) {
        const int number = static_cast<int>(ui_->deviceList->item(row, 0)->data(kSortKeyRole).toULongLong());
        // A printer heard on two adapters is listed twice but addressed once.
        const link::DiscoveredDevice* device = devices.deviceAt(number);
        if (device && std::find(macs.begin(), macs.end(), device->macAddress()) == macs.end())
            macs.push_back(device->macAddress());
    }
    if (macs.empty()) {
        widgets::showMessage(this, kSelectDevice);
        ui_->deviceList->setFocus();
        return;
    }
    bool ran = false;
    {
        AssignAddressesDialog assign(searchSetup(), macs, timings_.verifyTiming(listMode_), this);
        assign.exec();
        ran = !assign.outcomes().empty();
    }
    // The list holds each confirmed printer with what it was sent.
    if (ran) fillDeviceList();
    ui_->deviceList->setFocus();
}

void DeviceListDialog::onBssInfo() {
    if (listedNumber() < 0) {
        widgets::showMessage(this, kSelectDevice);
        ui_->deviceList->setFocus();
        return;
    }
    if (listMode_ != link::ListMode::Wlan) return;
    const link::DiscoveredDevice* device = wlanDevices().deviceAt(selectedNumber_);
    if (!device) {
        widgets::showMessage(this, kSearchAgain);
        return;
    }
    {
        BssInfoDialog survey(endpoints_.printerAddressFor(dotted(device->ipAddress())), this, endpoints_);
        survey.setStartDelay(timings_.bssStartDelayMs);
        survey.setSurveyTimings(timings_.survey);
        survey.exec();
    }
    ui_->deviceList->setFocus();
}

void DeviceListDialog::onWeb() {
    if (listedNumber() < 0) {
        widgets::showMessage(this, kSelectDevice);
        ui_->deviceList->setFocus();
        return;
    }
    const link::DiscoveredDevice* device = devicesFor(listMode_).deviceAt(selectedNumber_);
    if (!device) {
        widgets::showMessage(this, kSearchAgain);
        ui_->deviceList->setFocus();
        return;
    }
    const QString address = endpoints_.printerAddressFor(dotted(device->ipAddress()));
    if (transport::isUnconfiguredAddress(address)) {
        widgets::showMessage(this, kWebAddressUnconfigured);
        ui_->deviceList->setFocus();
        return;
    }
    const QString scheme = device->httpsEnabled() ? QStringLiteral("https://") : QStringLiteral("http://");
    const QUrl url(scheme + address);
    // Without a browser the user can still open the page by hand.
    if (!urlOpener_(url)) widgets::showMessageWith(this, kBrowserUnavailable, url.toString());
}

void DeviceListDialog::onTestPrint() {
    const link::DiscoveredDevice* device =
        listedNumber() < 0 ? nullptr : devicesFor(listMode_).deviceAt(selectedNumber_);
    if (listedNumber() < 0 || !device) {
        widgets::showMessage(this, listedNumber() < 0 ? kSelectDevice : kSearchAgain);
        ui_->deviceList->setFocus();
        return;
    }
    const QString reported = dotted(device->ipAddress());
    const QString mac = QString::fromStdString(link::FormatMacUpper(device->macAddress(), ':'));
    sendTestPrintFrom(this, endpoints_.printerAddressFor(reported), reported, device->port(), mac);
    ui_->deviceList->setFocus();
}

void DeviceListDialog::offerTestPrint(const link::DiscoveredDevice& found) {
    offered_ = found;
    const int port = found.port() > 0 ? found.port() : transport::kDefaultDataPort;
    printOffer_->setToolTip(tr("Prints a test page on the printer at its new address %1, port %2.")
                                .arg(dotted(found.ipAddress()))
                                .arg(port));
    printOffer_->show();
}

void DeviceListDialog::onTestPrintOffer() {
    if (!offered_) return;
    const QString reported = dotted(offered_->ipAddress());
    const QString mac = QString::fromStdString(link::FormatMacUpper(offered_->macAddress(), ':'));
    sendTestPrintFrom(this, endpoints_.printerAddressFor(reported), reported, offered_->port(), mac);
}

}  // namespace corvane::lan
