#include "provision/provision_line.h"

#include <QThread>

namespace corvane::provision {

ProvisionLine::ProvisionLine(ProvisionJob job, QObject* parent) : QObject(parent), job_(std::move(job)) {
    connect(&arrivals_, &transport::DeviceArrivals::arrived, this, &ProvisionLine::onArrived);
    connect(&arrivals_, &transport::DeviceArrivals::departed, this, &ProvisionLine::onDeparted);
}

ProvisionLine::~ProvisionLine() {
    cancel_.cancel();
    for (QThread* thread : threads_) {
        thread->wait();
        delete thread;
    }
}

void ProvisionLine::start() { arrivals_.start(); }

void ProvisionLine::stop() {
    if (stopping_) return;
    stopping_ = true;
    queue_.clear();
    if (threads_.isEmpty()) emit finished();
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
    nodes_.insert(node, NodeState::Waiting);
    serial_.insert(node, serial);
    queue_ << node;
    emit nodeChanged(node, NodeState::Waiting);
    startWaiting();
}

void ProvisionLine::onDeparted(const QString& node) {
    // A printer pulled out while it is worked on fails at its next read; the
    // node stays busy until its worker has ended.
    if (nodes_.value(node) == NodeState::Working) return;
    queue_.removeAll(node);
    if (nodes_.remove(node) > 0) emit nodeGone(node);
}

void ProvisionLine::startWaiting() {
    while (!stopping_ && threads_.size() < kMaxWorkers && !queue_.isEmpty()) {
        const QString node = queue_.takeFirst();
        nodes_[node] = NodeState::Working;
        emit nodeChanged(node, NodeState::Working);
        const bool serial = serial_.value(node);
        auto* thread = QThread::create([this, node, serial] {
            const PrinterReport report = provisionPrinter(node, serial, job_, &cancel_);
            QThread* self = QThread::currentThread();
            QMetaObject::invokeMethod(
                this, [this, self, report] { onWorkerDone(self, report); }, Qt::QueuedConnection);
        });
        threads_ << thread;
        thread->start();
    }
}

void ProvisionLine::onWorkerDone(QThread* thread, const PrinterReport& report) {
    thread->wait();
    threads_.removeAll(thread);
    delete thread;
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
    if (stopping_ && threads_.isEmpty()) emit finished();
    startWaiting();
}

}  // namespace corvane::provision
