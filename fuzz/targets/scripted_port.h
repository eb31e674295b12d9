// A printer on the direct link that answers from a list: each Read takes the
// next reply, a missing reply is a read that times out, and the list running
// dry ends every conversation. Writes are kept for the targets to inspect.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

#include "link_port.h"

namespace corvane::fuzz {

class ScriptedPort : public link::LinkPort {
public:
    std::deque<std::optional<Bytes>> replies;
    std::vector<Bytes> writes;

    bool isOpen() const override { return true; }
    std::size_t Write(ByteSpan data) override {
        writes.emplace_back(data.begin(), data.end());
        return data.size();
    }
protected:
    bool ReadReply(Bytes& reply, link::ReplyShape) override {
        reply.clear();
        if (replies.empty()) return false;
        std::optional<Bytes> next = std::move(replies.front());
        replies.pop_front();
        if (!next) return false;
        reply = std::move(*next);
        return true;
    }
};

}  // namespace corvane::fuzz
