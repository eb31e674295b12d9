// The link thread: jobs run off the caller's thread, one at a time, and
// their results come back on the caller's thread from its event loop.
#include <gtest/gtest.h>

#include <atomic>

#include <QThread>

#include "support/wait.h"
#include "transport/link_worker.h"

namespace corvane::test {
namespace {

// A second job is refused while one runs; `runNow` waits for the running
// job; `done` runs on the caller's thread only once the loop turns, and a
// worker destroyed first drops it.
TEST(LinkWorker, RunsJobsOffThreadAndAnswersOnTheCallersLoop) {
    std::atomic<bool> release{false};
    QThread* jobThread = nullptr;
    QThread* doneThread = nullptr;
    int finished = 0;
    {
        transport::LinkWorker worker;
        QObject::connect(&worker, &transport::LinkWorker::finished, [&finished] { ++finished; });
        ASSERT_TRUE(worker.start(
            [&] {
                jobThread = QThread::currentThread();
                while (!release) QThread::msleep(1);
            },
            [&] { doneThread = QThread::currentThread(); }));
        EXPECT_TRUE(worker.busy());
        EXPECT_FALSE(worker.start([] { ADD_FAILURE() << "ran beside another job"; }, {}));
        release = true;
        bool ranAfter = false;
        worker.runNow([&] { ranAfter = jobThread != nullptr; });
        EXPECT_TRUE(ranAfter);
        EXPECT_EQ(doneThread, nullptr);  // not before the loop turns
        ASSERT_TRUE(waitUntil([&] { return !worker.busy(); }, 30000));
        EXPECT_NE(jobThread, QThread::currentThread());
        EXPECT_EQ(doneThread, QThread::currentThread());
        EXPECT_EQ(finished, 1);

        worker.start([] {}, [&finished] { finished = 100; });
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(finished, 1);
}

}  // namespace
}  // namespace corvane::test
