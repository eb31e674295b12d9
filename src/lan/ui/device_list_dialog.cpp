#include "lan/ui/device_list_dialog.h"

#include <optional>
#include <vector>

#include <QApplication>
#include <QBoxLayout>
#include <QDesktopServices>
#include <QEventLoop>
#include <QTimer>

#include "app/messages.h"
#include "app/table_columns.h"
#include "lan/device_lists.h"
#include "lan/ui/bss_info_dialog.h"
#include "lan/ui/device_list_export.h"
#include "lan/ui/find_at_address.h"
#include "lan/ui/lan_settings_dialog.h"
#include "lan/ui/local_address_dialog.h"
#include "lan/ui/search_dialog.h"
#include "lan/ui/table_rows.h"
#include "lan/ui/verification_note.h"
#include "link/string_table.h"
#include "ui_device_list_dialog.h"

namespace corvane::lan {

namespace {

QString dotted(const std::array<std::uint8_t, 4>& a) {
    return QStringLiteral("%1.%2.%3.%4").arg(a[0]).arg(a[1]).arg(a[2]).arg(a[3]);
}

}  // namespace

DeviceListDialog::DeviceListDialog(ListMode listMode, QWidget* parent, const LanEndpoints& endpoints)
    : QDialog(parent),
      ui_(std::make_unique<Ui::DeviceListDialog>()),
      listMode_(listMode),
      endpoints_(endpoints),
      buttons_(listMode),
      urlOpener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    ui_->setupUi(this);
    app::setColumnWidths(*ui_->deviceList, {30, 140, 130, 130, 130, 70, 70});
    ui_->bssInfoButton->setVisible(buttons_.showsWlanButtons());
    ui_->certificateButton->setVisible(buttons_.showsWlanButtons());
    QBoxLayout* extraRow = addExportButtons(*this, *ui_->mainLayout, listMode_);
    connect(addFindAtAddressButton(*this, *extraRow), &QPushButton::clicked, this, &DeviceListDialog::onFindAtAddress);
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
}

DeviceListDialog::~DeviceListDialog() = default;

void DeviceListDialog::applyButtonState() {
    const DeviceListButtons& state = buttons_.state();
    ui_->settingButton->setEnabled(state.setting);
    ui_->webButton->setEnabled(state.web);
    ui_->bssInfoButton->setEnabled(state.bssInfo);
    ui_->certificateButton->setEnabled(state.certificate);
}

void DeviceListDialog::onSearch() {
    if (!endpoints_.localAddress.isEmpty()) {
        // Given on the command line: no need to ask.
        searchFrom(endpoints_.localAddress);
        return;
    }
    LocalAddressDialog chooser(this, LocalAddressModel(addressSource_));
    if (chooser.exec() != QDialog::Accepted) {
        // The stored records stay for the next search, but with no row in
        // the list there is nothing to act on.
        clearDeviceList();
        return;
    }
    localAddress_ = chooser.localAddress();
    broadcastAddress_ = chooser.broadcastAddress();
    runSearch();
}

void DeviceListDialog::searchFrom(const QString& localAddress) {
    localAddress_ = localAddress;
    broadcastAddress_ = broadcastAddressFor(localAddress);
    runSearch();
}

void DeviceListDialog::runSearch() {
    {
        SearchDialog search(listMode_, localAddress_, broadcastAddress_, this, endpoints_);
        search.setTickInterval(timings_.searchTickMs);
        search.exec();
    }
    fillDeviceList();
}

void DeviceListDialog::clearDeviceList() {
    const QSignalBlocker block(ui_->deviceList);
    ui_->deviceList->setRowCount(0);
    selectedNumber_ = -1;
    buttons_.listFilled({});
    applyButtonState();
}

int DeviceListDialog::listedNumber() const {
    return selectedNumber_ >= 1 && selectedNumber_ <= ui_->deviceList->rowCount() ? selectedNumber_ : -1;
}

void DeviceListDialog::fillDeviceList() {
    filling_ = true;
    ui_->deviceList->setRowCount(0);
    selectedNumber_ = -1;

    const DeviceList& devices = devicesFor(listMode_);
    std::vector<std::uint8_t> featureCodes;
    for (int n = 1; const DiscoveredDevice* device = devices.deviceAt(n); ++n) {
        appendTableRow(*ui_->deviceList, DeviceRowTexts(n, *device));
        ui_->deviceList->item(n - 1, 0)->setData(Qt::UserRole, device->featureCode());
        featureCodes.push_back(device->featureCode());
    }
    buttons_.listFilled(featureCodes);
    applyButtonState();
    if (!featureCodes.empty()) {
        // Choosing row 0 makes it the selected number, as a click would.
        ui_->deviceList->setCurrentCell(0, 0);
        ui_->deviceList->selectRow(0);
        selectedNumber_ = 1;
        ui_->deviceList->setFocus();
    }
    filling_ = false;
}

void DeviceListDialog::onCurrentRowChanged(int row) {
    if (filling_ || row < 0) return;
    auto* number = ui_->deviceList->item(row, 0);
    if (!number) return;
    selectedNumber_ = number->text().toInt();
    buttons_.rowChanged(static_cast<std::uint8_t>(number->data(Qt::UserRole).toUInt()));
    applyButtonState();
}

void DeviceListDialog::pauseWithoutInput(int ms) {
    QApplication::setOverrideCursor(Qt::BusyCursor);
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    QApplication::restoreOverrideCursor();
}

void DeviceListDialog::onSetting() {
    if (listedNumber() < 0) {
        app::showMessage(this, kSelectDevice);
        ui_->deviceList->setFocus();
        return;
    }
    int result = QDialog::Rejected;
    std::optional<DiscoveredDevice> confirmed;
    {
        LanSettingsDialog settings(listMode_, selectedNumber_, localAddress_, broadcastAddress_, this, endpoints_);
        settings.setTimeout(timings_.settingsTimeoutMs(listMode_));
        result = settings.exec();
        if (settings.confirmed()) confirmed = settings.sentRecord();
    }
    if (result != QDialog::Accepted) {
        ui_->deviceList->setFocus();
        return;
    }
    // The printer takes a moment to come back with its new settings. The
    // search after it goes out where the first one did: on a computer with
    // several networks the printer is only reachable there.
    pauseWithoutInput(timings_.researchDelayMs(listMode_));
    runSearch();
    if (confirmed) {
        // The search looked for the printer again: say whether it shows the change.
        const VerificationNote note = verificationNote(*confirmed, devicesFor(listMode_));
        if (note.number > 0) ui_->deviceList->setCurrentCell(note.number - 1, 0);
        app::showNote(this, note.text);
    }
}

void DeviceListDialog::onFindAtAddress() {
    // Adds to the list: the printers already listed stay.
    if (findAtAddress(this, listMode_, localAddress_, endpoints_, timings_.searchTickMs, addressQuestion_) > 0) {
        fillDeviceList();
    }
}

void DeviceListDialog::onBssInfo() {
    if (listedNumber() < 0) {
        app::showMessage(this, kSelectDevice);
        ui_->deviceList->setFocus();
        return;
    }
    if (listMode_ != ListMode::Wlan) return;
    const DiscoveredDevice* device = wlanDevices().deviceAt(selectedNumber_);
    if (!device) {
        app::showMessage(this, kSearchAgain);
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
        app::showMessage(this, kSelectDevice);
        ui_->deviceList->setFocus();
        return;
    }
    const DiscoveredDevice* device = devicesFor(listMode_).deviceAt(selectedNumber_);
    if (!device) {
        app::showMessage(this, kSearchAgain);
        ui_->deviceList->setFocus();
        return;
    }
    const QString address = endpoints_.printerAddressFor(dotted(device->ipAddress()));
    if (isUnconfiguredAddress(address)) {
        app::showMessage(this, kWebAddressUnconfigured);
        ui_->deviceList->setFocus();
        return;
    }
    const QString scheme = device->httpsEnabled() ? QStringLiteral("https://") : QStringLiteral("http://");
    const QUrl url(scheme + address);
    // Without a browser the user can still open the page by hand.
    if (!urlOpener_(url)) app::showMessageWith(this, kBrowserUnavailable, url.toString());
}

}  // namespace corvane::lan
