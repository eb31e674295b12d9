#include "exchange/bss_exchange.h"

#include "exchange/config_exchange.h"
#include "framing.h"

namespace corvane::link {

int queryBssOverLink(LinkPort& port, BssTable& table, const ProgressFn& progress, const LinkWaits& waits) {
    auto report = [&progress](int percent) {
        if (progress) {
            progress(percent);
        }
    };
    waits.report({LinkStep::Surveying});

    if (!EnterConfigMode(port)) {
        return 0;
    }
    const auto reply = Converse(port, BuildBssRequest(), ReplyShape::Frame, [&report] { report(25); });
    if (!reply) {
        return 0;
    }
    report(100);
    return parseBssResponse(DecodeFrameText(*reply), table) == 1 ? 1 : 0;
}

}  // namespace corvane::link
