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
    const Bytes request = BuildBssRequest();
    if (request.empty()) {
        return 0;
    }
    const Bytes frame = EncodeFrame(request);
    if (frame.empty() || SendRequest(port, frame) == 0) {
        return 0;
    }
    report(25);

    Bytes reply;
    if (!port.Read(reply, ReplyShape::Frame)) {
        return 0;
    }
    report(100);
    return parseBssResponse(DecodeFrameText(reply), table) == 1 ? 1 : 0;
}

}  // namespace corvane::link
