// The LAN settings window: shows the chosen printer's stored record, lets the
// user edit it and writes it to the printer, waiting for its confirmation.
// Ends with OK after a confirmation or a time-out (the list then searches
// again), cancelled otherwise.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include <QDialog>

class QLineEdit;

#include "lan/lan_settings_exchange.h"
#include "lan/lan_settings_form.h"

namespace Ui {
class LanSettingsDialog;
}

namespace corvane::lan {

class LanSettingsDialog : public QDialog {
    Q_OBJECT
public:
    // `localAddress`: the interface the search used, which the request
    // leaves through too (empty: any).
    LanSettingsDialog(link::ListMode listMode, int selectedNumber, const QString& localAddress,
                      const QString& broadcastAddress, QWidget* parent = nullptr,
                      const transport::LanEndpoints& endpoints = transport::LanEndpoints::current());
    ~LanSettingsDialog() override;

    void setTimeout(int ms) { exchange_.setTimeout(ms); }
    const LanSettingsExchange& exchange() const { return exchange_; }
    // After the window ends: whether the printer confirmed, and the record
    // that was sent.
    bool confirmed() const { return confirmed_; }
    const link::DiscoveredDevice& sentRecord() const { return sent_; }
    // The record as the window showed it first: the printer before the change.
    const link::DiscoveredDevice& shownRecord() const { return shown_; }

    // Shows the record; without one (message 35) ends cancelled unshown.
    int exec() override;
    // Save.
    void accept() override;

private:
    bool initialise();
    LanSettingsEdits readEdits() const;
    void applyDhcpState();
    void onPortEdited();
    void onInactivityEdited();
    // Range messages held until their edit ends; all of them with no edit.
    void holdMessage(QLineEdit* edit, StringId messageId);
    void releaseMessages(QLineEdit* only = nullptr);
    void onExchangeDone(StringId messageId);
    // The checks over `toSend`; true to send (no warning, or "Save anyway").
    bool confirmWarnings(const link::DiscoveredDevice& toSend);

    std::unique_ptr<Ui::LanSettingsDialog> ui_;
    link::ListMode listMode_;
    int selectedNumber_;
    link::DiscoveredDevice* record_ = nullptr;  // the stored record, edited in place
    link::DiscoveredDevice shown_;              // the record as the window opened on it
    QString localAddress_;
    LanSettingsExchange exchange_;
    std::vector<std::pair<QLineEdit*, StringId>> heldMessages_;
    bool confirmed_ = false;
    link::DiscoveredDevice sent_;
};

}  // namespace corvane::lan
