// A datagram port that plays printers on a clock of its own: datagrams are
// scheduled to arrive at given times, a printer can answer what is sent
// (onSend), and every wait moves the clock instead of sleeping, so seconds
// of waiting run in no time.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "link/exchange/datagram_port.h"

namespace corvane::link::testing {

class ScriptedDatagramPort final : public DatagramPort {
public:
    struct Sent {
        std::string host;
        std::uint16_t port;
        Bytes bytes;
        std::chrono::milliseconds at;
    };
    std::vector<Sent> sent;
    std::function<void(const Sent&)> onSend;
    bool sendFails = false;
    // A user's cancel arriving at this time.
    CancelToken* cancel = nullptr;
    std::chrono::milliseconds cancelAt{-1};

    std::chrono::milliseconds elapsed() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(now_ - start_);
    }
    void arrive(std::chrono::milliseconds at, std::string sender, Bytes bytes) {
        arrivals_.emplace(start_ + at, Datagram{std::move(bytes), std::move(sender)});
    }

    Clock::time_point now() const override { return now_; }
    Result<void> send(const std::string& host, std::uint16_t port, ByteSpan datagram) override {
        if (sendFails) return Error{Failure::Refused, "refused"};
        sent.push_back({host, port, Bytes(datagram.begin(), datagram.end()), elapsed()});
        if (onSend) onSend(sent.back());
        return {};
    }
    std::optional<Datagram> receive(Clock::time_point deadline, const CancelToken* token) override {
        if (cancel && cancelAt.count() >= 0 && start_ + cancelAt <= deadline &&
            (arrivals_.empty() || arrivals_.begin()->first > start_ + cancelAt)) {
            now_ = std::max(now_, start_ + cancelAt);
            cancel->cancel();
        }
        if (token && token->cancelled()) return std::nullopt;
        if (arrivals_.empty() || arrivals_.begin()->first > deadline) {
            now_ = std::max(now_, deadline);
            return std::nullopt;
        }
        now_ = std::max(now_, arrivals_.begin()->first);
        Datagram datagram = std::move(arrivals_.begin()->second);
        arrivals_.erase(arrivals_.begin());
        return datagram;
    }
    void discardPending() override {
        while (!arrivals_.empty() && arrivals_.begin()->first <= now_) arrivals_.erase(arrivals_.begin());
    }

private:
    Clock::time_point start_ = Clock::time_point() + std::chrono::hours(1);
    Clock::time_point now_ = start_;
    std::multimap<Clock::time_point, Datagram> arrivals_;
};

}  // namespace corvane::link::testing
