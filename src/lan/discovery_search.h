// One discovery search for a window: the discovery exchange over the UDP
// port, driven by the event loop (its timers and the port's arrivals, never
// a wait of its own). Every valid answer goes into the mode's device list;
// the search reports each tick so a window can show the progress. Requests
// to a list of addresses leave one at a time at the endpoints' rate, and
// the search stays open for eleven ticks (1.1 s with the normal tick) after
// the last of them: the ticks end it, so its label and its end agree.
#pragma once

#include <memory>

#include <QObject>
#include <QString>
#include <QTimer>

#include "link/discovered_device.h"
#include "link/exchange/discovery_exchange.h"
#include "transport/endpoints.h"
#include "transport/udp_channel.h"
#include "transport/udp_datagram_port.h"

namespace corvane::lan {

class DiscoverySearch : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultTickMs = 100;
    static constexpr int kTicks = 11;  // after the last request
    static constexpr int kProgressMaximum = 1000;

    DiscoverySearch(link::ListMode mode, QString localAddress, QString broadcastAddress,
                    transport::LanEndpoints endpoints, link::DeviceList& devices, QObject* parent = nullptr);
    ~DiscoverySearch() override;

    // Shorter ticks let tests run a whole search quickly; the tick count stays.
    void setTickInterval(int ms) { tickMs_ = ms; }

    // Empties the list, sends the request from the local address and starts
    // the ticks. False, with failure() saying why, when the request could not
    // leave (the local address or port cannot be used, the send was
    // refused): the search then does not run, since an empty list must mean
    // that no printer answered.
    bool start();
    // Stops collecting; what has arrived stays in the list.
    void cancel();

    bool isRunning() const { return running_; }
    int progress() const { return progress_; }
    const QString& statusText() const { return statusText_; }
    // The port the request left from (useful when the local port is 0).
    int boundPort() const;
    const transport::ChannelFailure& failure() const;

signals:
    // After every tick: the bar position (0..1000, above shows as full) and
    // the label, "Now Searching" followed by the tick's dots.
    void ticked(int progress, const QString& statusText);
    // Once, when the search ends by its last tick, a short WLAN answer or
    // cancel.
    void finished();
    // After each request to a list of addresses: how many have left.
    void requestsSent(int sent, int total);

private:
    void onTick();
    // The next request of a target list, once its interval has passed.
    void onPacing();
    void onDatagramArrived();
    void finish();

    link::ListMode mode_;
    QString localAddress_;
    QString broadcastAddress_;
    transport::LanEndpoints endpoints_;
    link::DeviceList& devices_;
    transport::UdpChannel* channel_;
    transport::UdpDatagramPort port_;
    std::unique_ptr<link::DiscoveryExchange> exchange_;
    QTimer timer_;
    QTimer pacing_;  // wakes to send the next request of a target list
    bool unicast_ = false;
    int tickMs_ = kDefaultTickMs;
    int countdown_ = 0;
    int progress_ = 0;
    QString statusText_;
    bool running_ = false;
};

// Where a search's requests go and how fast: the endpoints' targets (else
// the mode's target beside `broadcastAddress`), at their rate.
link::DiscoveryPlan discoveryPlan(link::ListMode mode, const transport::LanEndpoints& endpoints,
                                  const QString& broadcastAddress);

// "Now Searching" in the current language.
QString nowSearchingText();

}  // namespace corvane::lan
