// The device list: the printers found by the last search of its mode and the
// actions on the chosen one (settings, access-point survey, web page).
// Double-click or Enter on a row opens its settings; the columns sort by a
// click on their title, and a status line says what the last search found.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>
#include <optional>

#include <QDialog>
#include <QString>
#include <QUrl>

#include "lan/device_list_buttons.h"
#include "lan/search_setup.h"
#include "lan/ui/find_at_address.h"
#include "lan/lan_change.h"
#include "lan/ui/lan_window_timings.h"
#include "transport/endpoints.h"
#include "transport/local_addresses.h"

class QPushButton;

namespace Ui {
class DeviceListDialog;
}

namespace corvane::lan {

class DeviceListDialog : public QDialog {
    Q_OBJECT
public:
    using UrlOpener = std::function<bool(const QUrl&)>;

    explicit DeviceListDialog(link::ListMode listMode, QWidget* parent = nullptr,
                              const transport::LanEndpoints& endpoints = transport::LanEndpoints::current());
    ~DeviceListDialog() override;

    void setTimings(const LanWindowTimings& timings) { timings_ = timings; }
    // Opens the printer's web page; the default hands it to the desktop.
    void setUrlOpener(UrlOpener opener) { urlOpener_ = std::move(opener); }
    // Where the local address window takes the host's addresses from.
    void setAddressSource(transport::LocalAddressModel::AddressSource source) { addressSource_ = std::move(source); }

    int selectedNumber() const { return selectedNumber_; }
    const QString& localAddress() const { return localAddress_; }
    const QString& broadcastAddress() const { return broadcastAddress_; }

    // Button handlers.
    void onSearch();
    // A search from `localAddress` without asking (what Search does once an
    // address is chosen); the settings request and the search after it use
    // the same address.
    void searchFrom(const QString& localAddress);
    // A search from each of `adapters` at once (what "All addresses" does).
    void searchFromEveryAdapter(const QList<Adapter>& adapters);
    void onSetting();
    void onBssInfo();
    // "Find at address…": asks, searches those addresses, adds what answers.
    void onFindAtAddress();
    // Where Find at address takes its addresses from (tests answer it).
    void setAddressQuestion(AddressQuestion question) { addressQuestion_ = std::move(question); }
    void onWeb();
    // A test page to the chosen printer's data port.
    void onTestPrint();
    // The status line's offer after a verified change: a test page to the
    // printer's new address and port. Hidden when there is none.
    QPushButton* testPrintOffer() const { return printOffer_; }
    // "Assign addresses…": consecutive addresses for the chosen rows.
    void onAssignAddresses();
    // What Export and Copy write: the record numbers in the list's order,
    // only the chosen rows when several are chosen.
    std::vector<int> shownNumbers() const;
    // Whether the last search went out from every address at once.
    bool searchedEveryAdapter() const { return !adapters_.isEmpty(); }

protected:
    // Enter on the list opens the chosen row's settings.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillDeviceList();
    // The "Reached" and "Adapter" columns, when they say anything.
    void fillWayColumns();
    // The search as the last one went out, for the batch runner.
    SearchSetup searchSetup() const;
    void runSearch();
    // The list is empty, as after a search that found nothing.
    void clearDeviceList();
    // The chosen number while its row is in the list, else -1.
    int listedNumber() const;
    void onCurrentRowChanged(int row);
    // Double-click or Enter on a row: Setting, or why the printer has none.
    void onRowActivated();
    // The list row (as sorted) showing record `number`, or -1.
    int rowOfNumber(int number) const;
    // Chooses the row of the printer with `mac`; false when none is listed.
    bool chooseRowOf(const link::MacAddress& mac);
    void showFoundStatus(const QString& addition = {});
    void applyButtonState();
    // Keeps the window drawn, with the busy cursor, but deaf to input: a
    // modal window with the status text closes itself after `ms`.
    void pauseWithoutInput(int ms);
    // Searches for a changed printer until it shows its change, the limit
    // or Cancel in a progress window; records the verdict in the history.
    Verification verifyChange(const ChangedPrinter& changed, const QString& localAddress);
    // Offers a test page in the status line to the address and port the
    // changed printer now reports.
    void offerTestPrint(const link::DiscoveredDevice& found);
    void onTestPrintOffer();

    std::unique_ptr<Ui::DeviceListDialog> ui_;
    link::ListMode listMode_;
    transport::LanEndpoints endpoints_;
    LanWindowTimings timings_;
    DeviceListButtonRules buttons_;
    UrlOpener urlOpener_;
    transport::LocalAddressModel::AddressSource addressSource_ = transport::systemIpv4Addresses;
    int selectedNumber_ = -1;
    QString localAddress_;
    QString broadcastAddress_;
    QList<Adapter> adapters_;  // not empty: the last search went out from each of these
    QStringList adapterFailures_;
    bool filling_ = false;
    AddressQuestion addressQuestion_ = askForAddresses;
    QPushButton* printOffer_ = nullptr;
    std::optional<link::DiscoveredDevice> offered_;  // the changed printer as the verification found it
};

}  // namespace corvane::lan
