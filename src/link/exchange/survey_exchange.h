// The access-point survey of a printer on the LAN: BSS_REQ out over a byte
// stream, the BSS_RSP answer in, within one bounded budget however the
// printer sends it.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>

#include "link/bss.h"
#include "link/cancel_token.h"
#include "link/exchange/byte_stream.h"

namespace corvane::link {

struct SurveyTimings {
    std::chrono::milliseconds connect{3000};  // connection must complete within this
    std::chrono::milliseconds receive{1500};  // one receive attempt
    int attempts = 7;                         // receive attempts before giving up
    std::chrono::milliseconds slice{30};      // longest wait of the stream between idle-hook calls
};

// Largest answer taken in; the rest of a longer one is left unread.
inline constexpr std::size_t kMaxSurveyAnswer = 4095;

struct SurveyHooks {
    // Progress bar values (0..100) as the query advances, each value once.
    std::function<void(int)> progress;
    // Checked between attempts: once set, the query ends as failed.
    const CancelToken* cancel = nullptr;
};

// Connects, sends the request and collects the answer. Success when an answer
// came and ParseBssResponse accepted it (`table` then holds it); otherwise
// why not: the connection's failure, no answer, an answer that is not one,
// or cancelled. Progress: 0, 12, then 24, 36 ... 96 after each empty attempt,
// 100 at the end; none when the connection failed. Takes at most the connect
// time plus attempts x receive: sending and receiving share the receive
// attempts, so a peer that trickles bytes cannot hold the query.
Result<void> QuerySurvey(ByteStream& stream, BssTable& table, const SurveyTimings& timings,
                         const SurveyHooks& hooks = {});

}  // namespace corvane::link
