#include "provision/provision_line.h"

#include <cerrno>
#include <memory>

#include <QThread>

#include "transport/serial_port.h"

namespace corvane::provision {

namespace {

SerialPresence serialPrinterReady(const QString& node) {
    transport::SerialPort port;
    port.setPortName(node);
    const link::OpenResult opened = port.Open();
    port.Close();
    if (opened) return SerialPresence::Ready;
    const int code = opened.error().code;
    return code == EACCES || code == EPERM ? SerialPresence::Refused : SerialPresence::Absent;
}

}  // namespace

ProvisionLine::ProvisionLine(ProvisionJob job, QObject* parent)
    : QObject(parent), job_(std::move(job)), serialReady_(serialPrinterReady) {
    serialCheck_.setInterval(1000);
    connect(&serialCheck_, &QTimer::timeout, this, &ProvisionLine::checkSerialPorts);
    connect(&arrivals_, &transport::DeviceArrivals::arrived, this, &ProvisionLine::onArrived);
    connect(&arrivals_, &transport::DeviceArrivals::departed, this, &ProvisionLine::onDeparted);
}

ProvisionLine::~ProvisionLine() {
    cancel_.cancel();
    // Each waits for its printer's job, which ends at its next wait.
    qDeleteAll(workers_);
}

void ProvisionLine::setSerialReadiness(SerialReadiness ready, std::chrono::milliseconds interval,
                                       std::chrono::milliseconds goneAfter) {
    serialReady_ = std::move(ready);
    serialCheck_.setInterval(static_cast<int>(interval.count()));
    serialGoneAfter_ = goneAfter;
}

void ProvisionLine::start() { arrivals_.start(); }

void ProvisionLine::stop() {
    if (stopping_) return;
    stopping_ = true;
    serialCheck_.stop();
    queue_.clear();
    finishIfIdle();
}

void ProvisionLine::cancel() {
    cancel_.cancel();
    stop();
}

LineCounts ProvisionLine::counts() const {
    LineCounts counts;
    for (const PrinterReport& report : reports_) {
        if (report.outcome == Outcome::Configured) ++counts.configured;
        else if (report.outcome == Outcome::Unchanged) ++counts.unchanged;
        else ++counts.failed;
    }
    return counts;
}

QStringList ProvisionLine::unseenSheetRows() const {
    QStringList unseen;
    for (const auto& [mac, values] : job_.sheet.rows) {
        if (!seenMacs_.contains(macText(mac))) unseen << macText(mac);
    }
    return unseen;
}

void ProvisionLine::onArrived(const QString& node, bool serial) {
    if (stopping_ || nodes_.contains(node)) return;
    serial_.insert(node, serial);
    if (serial) {
        serialPorts_.insert(node, QElapsedTimer());
        if (!serialCheck_.isActive()) serialCheck_.start();
        if (serialReady_(node) == SerialPresence::Absent) return;
    }
    enqueue(node);
}

void ProvisionLine::enqueue(const QString& node) {
    nodes_.insert(node, NodeState::Waiting);
    queue_ << node;
    emit nodeChanged(node, NodeState::Waiting);
    startWaiting();
}

void ProvisionLine::checkSerialPorts() {
    if (stopping_) return;
    for (auto it = serialPorts_.begin(); it != serialPorts_.end(); ++it) {
        const QString node = it.key();
        const NodeState state = nodes_.value(node, NodeState::Waiting);
        if (nodes_.contains(node) && state != NodeState::Done) continue;  // queued or worked on
        const SerialPresence presence = serialReady_(node);
        if (!nodes_.contains(node)) {
            if (presence != SerialPresence::Absent) enqueue(node);
            continue;
        }
        // Done: the printer is gone once its lines have stayed down a while.
        // A port refused for lack of permission stays as it is: its one
        // report stands until the port itself goes away.
        QElapsedTimer& down = it.value();
        if (presence != SerialPresence::Absent) {
            down.invalidate();
        } else if (!down.isValid()) {
            down.start();
        } else if (down.elapsed() >= serialGoneAfter_.count()) {
            down.invalidate();
            nodes_.remove(node);
            emit nodeGone(node);
        }
    }
}

void ProvisionLine::onDeparted(const QString& node) {
    // A printer pulled out while it is worked on fails at its next read; the
    // node stays busy until its worker has ended.
    if (nodes_.value(node) == NodeState::Working) return;
    queue_.removeAll(node);
    serialPorts_.remove(node);
    if (nodes_.remove(node) > 0) emit nodeGone(node);
}

void ProvisionLine::startWaiting() {
    while (!stopping_ && workers_.size() < kMaxWorkers && !queue_.isEmpty()) {
        const QString node = queue_.takeFirst();
        nodes_[node] = NodeState::Working;
        emit nodeChanged(node, NodeState::Working);
        const bool serial = serial_.value(node);
        // One link thread per printer, as the direct window has one.
        auto* worker = new transport::LinkWorker(this);
        auto report = std::make_shared<PrinterReport>();
        worker->start([this, node, serial, report] { *report = provisionPrinter(node, serial, job_, &cancel_); },
                      [this, worker, report] { onWorkerDone(worker, *report); });
        workers_ << worker;
    }
}

void ProvisionLine::onWorkerDone(transport::LinkWorker* worker, const PrinterReport& report) {
    workers_.removeAll(worker);
    worker->deleteLater();  // it is still returning from this call
    reports_ << report;
    if (!report.mac.isEmpty()) seenMacs_.insert(report.mac);
    emit printerDone(report);
    if (nodes_.contains(report.node)) {
        nodes_[report.node] = NodeState::Done;
        emit nodeChanged(report.node, NodeState::Done);
        // Pulled out while it was worked on: free the node for the next printer.
        if (!arrivals_.present().contains(report.node)) {
            nodes_.remove(report.node);
            emit nodeGone(report.node);
        }
    }
    // A stop() from a printerDone handler (--once) may already have ended the line.
    finishIfIdle();
    startWaiting();
}

void ProvisionLine::finishIfIdle() {
    if (!stopping_ || !workers_.isEmpty() || finished_) return;
    finished_ = true;
    emit finished();
}

}  // namespace corvane::provision
