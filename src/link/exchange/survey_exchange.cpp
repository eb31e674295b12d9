#include "link/exchange/survey_exchange.h"

#include <algorithm>
#include <string>

#include "link/framing.h"

namespace corvane::link {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A BSS_RSP is complete when everything received so far checks out: at
// least a tag and a checksum, and the checksum over all of it is 0.
bool IsWholeMessage(const Bytes& received) {
    return received.size() >= kTagLength + 2 && InternetChecksum(received) == 0;
}

}  // namespace

Result<void> QuerySurvey(ByteStream& stream, BssTable& table, const SurveyTimings& timings, const SurveyHooks& hooks) {
    int lastProgress = -1;
    auto report = [&](int value) {
        if (value == lastProgress) {
            return;
        }
        lastProgress = value;
        if (hooks.progress) {
            hooks.progress(value);
        }
    };
    auto cancelled = [&hooks] { return hooks.cancel != nullptr && hooks.cancel->cancelled(); };

    if (auto connected = stream.Connect(timings.connect); !connected) {
        return connected;
    }
    // Sending and receiving share one budget, the receive attempts: an answer
    // that is still coming in pieces may use the attempts left over, never
    // more.
    const Clock::time_point end = Clock::now() + timings.receive * timings.attempts;
    auto attemptTime = [&] {
        const auto left = std::chrono::duration_cast<milliseconds>(end - Clock::now());
        return std::max(milliseconds(0), std::min(timings.receive, left));
    };

    const Bytes request = BuildBssRequest();
    if (cancelled()) {
        return Error{Failure::Cancelled, {}};
    }
    if (request.empty() || !stream.Write(request, attemptTime())) {
        return Error{cancelled() ? Failure::Cancelled : Failure::NoAnswer, "the request could not be sent"};
    }
    report(0);
    report(12);

    Bytes answer;
    bool gotData = false;
    for (int attempt = 0; attempt < timings.attempts && !cancelled(); ++attempt) {
        if (stream.Read(answer, kMaxSurveyAnswer, attemptTime())) {
            gotData = true;
            break;
        }
        report(24 + 12 * attempt);
    }
    if (!gotData) {
        report(100);
        if (cancelled()) {
            return Error{Failure::Cancelled, {}};
        }
        return Error{Failure::NoAnswer, "no answer within " + std::to_string(timings.attempts) + " attempts"};
    }

    // A stream may bring the answer in several pieces. Keep reading until
    // what arrived checks out as one whole message, the size limit is
    // reached, or no more comes within one attempt's time or the budget.
    while (!IsWholeMessage(answer) && answer.size() < kMaxSurveyAnswer && Clock::now() < end && !cancelled() &&
           stream.Read(answer, kMaxSurveyAnswer - answer.size(), attemptTime())) {}
    report(100);
    if (cancelled()) {
        return Error{Failure::Cancelled, {}};
    }
    if (!ParseBssResponse(answer, table)) {
        return Error{Failure::BadAnswer, "the answer is not a survey answer"};
    }
    return {};
}

}  // namespace corvane::link
