#include "exchange/bss_exchange.h"

#include "exchange/config_exchange.h"
#include "framing.h"

namespace corvane::link {

Result<void> queryBssOverLink(LinkPort& port, BssTable& table, const ProgressFn& progress, const LinkWaits& waits) {
    auto report = [&progress](int percent) {
        if (progress) {
            progress(percent);
        }
    };
    waits.report({LinkStep::Surveying});

    auto unanswered = [&waits](const char* what) {
        return waits.cancelled() ? Error{Failure::Cancelled, {}} : Error{Failure::NoAnswer, what};
    };
    if (!EnterConfigMode(port)) {
        return unanswered("the printer did not acknowledge the configuration mode");
    }
    const auto reply = Converse(port, BuildBssRequest(), ReplyShape::Frame, [&report] { report(25); });
    if (!reply) {
        return unanswered("no survey answer");
    }
    report(100);
    if (parseBssResponse(DecodeFrameText(*reply), table) != 1) {
        return Error{Failure::BadAnswer, "the answer is not a survey answer"};
    }
    return {};
}

}  // namespace corvane::link
