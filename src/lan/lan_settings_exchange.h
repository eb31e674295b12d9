// The LAN settings request of the window: the request lan-set sends (see
// settingsRequestFor), waited for on the event loop instead of blocking,
// until the printer's confirmation (the same rule: ConfirmationOf) or a
// time-out, whichever comes first. Answers after that are ignored. Sending
// again re-sends and restarts the time-out.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <string>
#include <vector>

#include "lan/search_setup.h"
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

    // Tests shorten the wait; the default depends on the mode.
    void setTimeout(int ms) { setup_.settingsTimeoutMs = ms; }

    // Sends the settings request for `record` (the printer as found:
    // `before`; a confirmation counts only from its addresses) and
    // (re)starts the time-out. Ignored once the exchange is done. False
    // when the datagram did not leave: failure() says why, and no wait
    // starts for it (a wait for an earlier request goes on).
    bool send(const link::DiscoveredDevice& before, const link::DiscoveredDevice& record);
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

    SearchSetup setup_;
    transport::UdpChannel* channel_;
    QTimer timer_;
    link::SettingsRequest request_;
    bool settingsDone_ = false;
    bool waitingForAnswer_ = false;
};

}  // namespace corvane::lan
