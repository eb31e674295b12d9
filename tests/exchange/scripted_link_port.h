// A link port that plays a scripted printer: it records every write, answers
// reads from a queue (an empty entry is a read that times out) and fails
// reads once the queue runs dry; it can play a cancel arriving during a read.
// Sleeps are recorded, never slept.
#pragma once

#include <chrono>
#include <deque>
#include <optional>
#include <utility>
#include <vector>

#include "link/cancel_token.h"
#include "link/exchange/openable_link_port.h"

namespace corvane::link::testing {

class ScriptedLinkPort : public OpenableLinkPort {
public:
    bool open = false;
    int reads = 0;
    std::vector<Bytes> writes;
    std::deque<std::optional<Bytes>> replies;
    std::vector<std::optional<std::size_t>> writeResults;  // by call; missing: all written

    void reply(Bytes bytes) { replies.emplace_back(std::move(bytes)); }
    // A user's cancel arriving while read number `at` (from 1) waits; that
    // read then fails, as the transport's does.
    void cancelAtRead(CancelToken& token, int at) { cancel_ = &token, cancelAt_ = at; }
    OpenResult Open() override {
        open = true;
        return {};
    }
    void Close() override { open = false; }
    bool isOpen() const override { return open; }
    std::size_t Write(ByteSpan data) override {
        writes.emplace_back(data.begin(), data.end());
        const std::size_t call = writes.size() - 1;
        return call < writeResults.size() && writeResults[call] ? *writeResults[call] : data.size();
    }

protected:
    bool ReadReply(Bytes& out, ReplyShape) override {
        ++reads;
        out.clear();
        if (cancel_ != nullptr && reads >= cancelAt_) {
            cancel_->cancel();
            return false;
        }
        if (replies.empty()) return false;
        auto next = std::move(replies.front());
        replies.pop_front();
        if (next) out = std::move(*next);
        return !out.empty();
    }

private:
    CancelToken* cancel_ = nullptr;
    int cancelAt_ = 0;
};

struct RecordedSleeps {
    std::vector<std::chrono::milliseconds> waits;
    SleepFn fn() {
        return [this](std::chrono::milliseconds ms) { waits.push_back(ms); };
    }
};

inline SleepFn NoSleep() {
    return [](std::chrono::milliseconds) {};
}

}  // namespace corvane::link::testing
