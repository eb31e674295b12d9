// One discovery search: sends the mode's request, collects every valid answer
// into the mode's device list for eleven ticks (1.1 s with the normal tick),
// and reports each tick so a window can show the progress.
#pragma once

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

    DiscoverySearch(ListMode mode, QString localAddress, QString broadcastAddress, LanEndpoints endpoints,
                    DeviceList& devices, QObject* parent = nullptr);
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
    const ChannelFailure& failure() const;

signals:
    // After every tick: the bar position (0..1000, above shows as full) and
    // the label, "Now Searching" followed by the tick's dots.
    void ticked(int progress, const QString& statusText);
    // Once, when the search ends by its last tick, a short WLAN answer or
    // cancel.
    void finished();

private:
    void onTick();
    // Sends the request to the next address of a target list.
    bool sendNext();
    void onDatagramArrived(int bytesTotal);
    void finish();

    ListMode mode_;
    QString localAddress_;
    QString broadcastAddress_;
    LanEndpoints endpoints_;
    DeviceList& devices_;
    UdpChannel* channel_;
    QTimer timer_;
    QTimer pacing_;        // one request per millisecond to a target list
    QStringList targets_;  // still to be sent
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
