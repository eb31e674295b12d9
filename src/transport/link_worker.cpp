#include "transport/link_worker.h"

namespace corvane::transport {

LinkWorker::LinkWorker(QObject* parent) : QObject(parent), context_(new QObject) {
    thread_.setObjectName(QStringLiteral("corvane-link"));
    context_->moveToThread(&thread_);
    // The context is deleted on its own thread as the thread's loop ends.
    connect(&thread_, &QThread::finished, context_, &QObject::deleteLater);
    thread_.start();
}

LinkWorker::~LinkWorker() {
    thread_.quit();  // after the jobs already queued
    thread_.wait();
}

bool LinkWorker::start(std::function<void()> job, std::function<void()> done) {
    if (busy_) return false;
    busy_ = true;
    QMetaObject::invokeMethod(
        context_,
        [this, job = std::move(job), done = std::move(done)]() mutable {
            job();
            QMetaObject::invokeMethod(
                this,
                [this, done = std::move(done)] {
                    busy_ = false;
                    if (done) done();
                    emit finished();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    return true;
}

void LinkWorker::runNow(const std::function<void()>& job) {
    if (QThread::currentThread() == &thread_) {
        job();
        return;
    }
    QMetaObject::invokeMethod(context_, job, Qt::BlockingQueuedConnection);
}

}  // namespace corvane::transport
