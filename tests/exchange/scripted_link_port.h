// A link port that plays a scripted printer: it records every write and every
// open and close, answers reads from a queue (an empty entry is a read that
// times out) and fails reads once the queue runs dry.
#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "link/exchange/openable_link_port.h"

namespace corvane::link::testing {

class ScriptedLinkPort : public OpenableLinkPort {
public:
    bool opens = true;
    int openCalls = 0;
    int closeCalls = 0;
    bool open = false;
    std::vector<Bytes> writes;
    std::deque<std::optional<Bytes>> replies;
    // Write results by call number; missing entries write everything.
    std::vector<std::optional<std::size_t>> writeResults;
    int reads = 0;

    void reply(Bytes bytes) { replies.emplace_back(std::move(bytes)); }
    void reply(std::string_view text) { replies.emplace_back(ToBytes(text)); }
    void silence(int times = 1) {
        for (int i = 0; i < times; ++i) {
            replies.emplace_back(std::nullopt);
        }
    }

    bool Open() override {
        ++openCalls;
        open = opens;
        return open;
    }
    void Close() override {
        ++closeCalls;
        open = false;
    }
    bool isOpen() const override { return open; }
    std::size_t Write(ByteSpan data) override {
        const std::size_t call = writes.size();
        writes.emplace_back(data.begin(), data.end());
        if (call < writeResults.size() && writeResults[call]) {
            return *writeResults[call];
        }
        return data.size();
    }
    bool Read(Bytes& out) override {
        ++reads;
        out.clear();
        if (replies.empty()) {
            return false;
        }
        auto next = std::move(replies.front());
        replies.pop_front();
        if (!next) {
            return false;
        }
        out = std::move(*next);
        return !out.empty();
    }
};

// Records the waits asked for without waiting.
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
