// A provisioning line: printers are plugged in, each is configured from the
// profile and the sheet on its own worker thread (at most four at once), and
// a node that has been dealt with is taken again only after it went away and
// came back, so a printer left plugged in is never written twice. A node
// that could not be opened for lack of permission is reported once and then
// waits the same way instead of being retried in a loop; a serial port this
// user may not open counts as a printer present until the port goes away.
//
// A serial port's node stays when printers are swapped on it, so there the
// printer's presence is its ready lines (DSR and CTS), looked at every
// second while no printer is worked on it (the port is opened and closed;
// nothing is sent): a printer is taken when they come up, and the port is
// free again once they have been down for a few seconds (longer than a
// printer's restart after a write).
#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>

#include <QElapsedTimer>
#include <QTimer>

#include "link/cancel_token.h"
#include "provision/provision_step.h"
#include "transport/device_arrivals.h"
#include "transport/link_worker.h"

namespace corvane::provision {

// Where a device node stands in the line.
enum class NodeState { Waiting, Working, Done };

// What opening a serial port (and closing it at once) says about its printer.
enum class SerialPresence {
    Absent,   // no printer ready on the line
    Ready,    // its DSR and CTS are up
    Refused,  // this user may not open the port: taken once so the report says why
};

struct LineCounts {
    int configured = 0;
    int unchanged = 0;
    int failed = 0;
};

class ProvisionLine : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxWorkers = 4;

    explicit ProvisionLine(ProvisionJob job, QObject* parent = nullptr);
    // Cancels the printers in progress and waits for their threads.
    ~ProvisionLine() override;

    // Set up what to watch before start().
    transport::DeviceArrivals& arrivals() { return arrivals_; }
    void start();
    // No new printer is taken; those in progress are finished. finished()
    // follows, once, when every worker has ended.
    void stop();
    // The same, and the printers in progress stop at their next wait.
    void cancel();
    bool stopping() const { return stopping_; }
    int working() const { return static_cast<int>(workers_.size()); }

    const QList<PrinterReport>& reports() const { return reports_; }
    LineCounts counts() const;
    // The sheet's MACs no printer reported, in sheet order.
    QStringList unseenSheetRows() const;

    // Whether a printer is ready on a serial port; tests replace it.
    using SerialReadiness = std::function<SerialPresence(const QString& node)>;
    void setSerialReadiness(SerialReadiness ready, std::chrono::milliseconds interval,
                            std::chrono::milliseconds goneAfter);

signals:
    void nodeChanged(const QString& node, NodeState state);
    void nodeGone(const QString& node);
    void printerDone(const PrinterReport& report);
    void finished();

private:
    void onArrived(const QString& node, bool serial);
    void onDeparted(const QString& node);
    void startWaiting();
    void onWorkerDone(transport::LinkWorker* worker, const PrinterReport& report);
    void enqueue(const QString& node);
    void checkSerialPorts();
    // finished(), once, when stopping and no worker is left.
    void finishIfIdle();

    ProvisionJob job_;
    transport::DeviceArrivals arrivals_;
    link::CancelToken cancel_;
    bool stopping_ = false;
    bool finished_ = false;
    QMap<QString, NodeState> nodes_;
    QMap<QString, bool> serial_;
    QStringList queue_;
    QList<transport::LinkWorker*> workers_;
    QList<PrinterReport> reports_;
    QSet<QString> seenMacs_;
    // Serial ports present, and since when a finished one's printer has not
    // been ready (invalid while it is).
    QMap<QString, QElapsedTimer> serialPorts_;
    SerialReadiness serialReady_;
    QTimer serialCheck_;
    std::chrono::milliseconds serialGoneAfter_{5000};
};

}  // namespace corvane::provision
