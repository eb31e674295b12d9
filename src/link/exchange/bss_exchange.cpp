#include "link/exchange/bss_exchange.h"

#include "link/exchange/config_exchange.h"
#include "link/framing.h"
#include "link/reply_shape.h"

namespace corvane::link {

Result<void> QueryBssOverLink(LinkPort& port, BssTable& table, const ProgressFn& progress, const LinkWaits& waits) {
    auto report = [&progress](int percent) {
        if (progress) {
            progress(percent);
        }
    };
    waits.report({LinkStep::Surveying});

    // A read the user cancelled fails as any other; the cancel is its cause.
    auto failed = [&waits](const Error& error) { return waits.cancelled() ? Error{Failure::Cancelled, {}} : error; };
    if (auto entered = EnterConfigMode(port); !entered) {
        return failed(entered.error());
    }
    const auto reply = Converse(port, BuildBssRequest(), ReplyShape::Frame, [&report] { report(25); });
    if (!reply) {
        return failed(reply.error());
    }
    report(100);
    if (!ParseBssResponse(DecodeFrameText(FrameIn(*reply)), table)) {
        return Error{Failure::BadAnswer, "the answer is not a survey answer"};
    }
    return {};
}

}  // namespace corvane::link
