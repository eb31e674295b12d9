// The LAN settings request: sends the edited record to the printer and waits
// for its confirmation or a time-out, whichever comes first. Answers after
// that are ignored. Sending again re-sends and restarts the time-out.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <string>
#include <vector>

#include "link/discovered_device.h"
#include "link/exchange/lan_exchanges.h"
#include "link/string_table.h"
#include "transport/endpoints.h"
#include "transport/udp_channel.h"

namespace corvane::lan {

class LanSettingsExchange : public QObject {
    Q_OBJECT
public:
    static constexpr int kWlanTimeoutMs = static_cast<int>(link::kWlanConfirmWait.count());
    static constexpr int kEthernetTimeoutMs = static_cast<int>(link::kEthernetConfirmWait.count());

    // `localAddress` is the one the search used (empty: any interface): the
    // request leaves through the same interface, where the printer answered.
    LanSettingsExchange(link::ListMode mode, QString localAddress, QString broadcastAddress,
                        transport::LanEndpoints endpoints, QObject* parent = nullptr);
    ~LanSettingsExchange() override;

    // A confirmation counts only from these senders (empty: any): one does
    // not name its printer, and another printer's late answer must not
    // confirm this request. See link::PrinterAddresses.
    void setPrinterAddresses(std::vector<std::string> addresses) { printerAddresses_ = std::move(addresses); }

    // Tests shorten the wait; the default depends on the mode.
    void setTimeout(int ms) { timeoutMs_ = ms; }
    int timeout() const { return timeoutMs_; }

    // Sends the settings request built from `record` and (re)starts the
    // time-out. Ignored once the exchange is done. False when the datagram
    // did not leave: failure() says why, and no wait starts for it (a wait
    // for an earlier request goes on).
    bool send(const link::DiscoveredDevice& record);
    const transport::ChannelFailure& failure() const;

    bool settingsDone() const { return settingsDone_; }
    bool waitingForAnswer() const { return waitingForAnswer_; }
    int boundPort() const;

signals:
    // The exchange ended: `messageId` is the confirmation's message (41 or
    // 43) or the time-out's (45). Emitted once.
    void done(StringId messageId, bool confirmed);
    void waitingChanged(bool waiting);

private:
    void onDatagramArrived(int bytesTotal);
    void onTimeout();
    void end(StringId messageId, bool confirmed);

    link::ListMode mode_;
    QString localAddress_;
    QString broadcastAddress_;
    transport::LanEndpoints endpoints_;
    transport::UdpChannel* channel_;
    QTimer timer_;
    int timeoutMs_;
    std::vector<std::string> printerAddresses_;
    bool settingsDone_ = false;
    bool waitingForAnswer_ = false;
};

}  // namespace corvane::lan
