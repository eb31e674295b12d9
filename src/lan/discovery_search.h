// One discovery search: sends the mode's request, collects every valid answer
// into the mode's device list for eleven ticks (1.1 s with the normal tick),
// and reports each tick so a window can show the progress. Requests to a list
// of addresses leave one at a time at the endpoints' rate, and the eleven
// ticks count from the last of them.
#pragma once

#include <functional>

#include <QObject>
#include <QString>
#include <QTimer>

#include "link/discovered_device.h"
#include "transport/endpoints.h"
#include "transport/udp_channel.h"

namespace corvane::lan {

class DiscoverySearch : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultTickMs = 100;
    static constexpr int kProgressMaximum = 1000;

    DiscoverySearch(link::ListMode mode, QString localAddress, QString broadcastAddress,
                    transport::LanEndpoints endpoints, link::DeviceList& devices, QObject* parent = nullptr);
    ~DiscoverySearch() override;

    // Shorter ticks let tests run a whole search quickly; the tick count stays.
    void setTickInterval(int ms) { tickMs_ = ms; }
    // Milliseconds on a monotonic clock; tests script it to drive the pacing.
    using Clock = std::function<qint64()>;
    void setClock(Clock clock) { clock_ = std::move(clock); }

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
    // Sends the request to the next address of a target list.
    bool sendNext();
    // The next request of a target list, once its interval has passed since
    // the one before: one at a time, however late the timer fires.
    void onPacing();
    void onDatagramArrived(int bytesTotal);
    void finish();

    link::ListMode mode_;
    QString localAddress_;
    QString broadcastAddress_;
    transport::LanEndpoints endpoints_;
    link::DeviceList& devices_;
    transport::UdpChannel* channel_;
    QTimer timer_;
    QTimer pacing_;        // wakes to send the next request of a target list
    QStringList targets_;  // still to be sent
    int targetCount_ = 0;
    int sentCount_ = 0;
    int intervalMs_ = 0;  // between two requests of a target list
    qint64 lastSentMs_ = 0;
    Clock clock_;
    bool unicast_ = false;
    int tickMs_ = kDefaultTickMs;
    int countdown_ = 0;
    int progress_ = 0;
    QString statusText_;
    bool running_ = false;
};

// "Now Searching" in the current language.
QString nowSearchingText();

}  // namespace corvane::lan
