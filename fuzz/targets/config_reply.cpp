// The whole Connect read as the link runs it: the mode command acknowledged,
// a valid SYS_RSP, then the fuzzed bytes as the IF__CUR reply frame, whose
// length picks the record layout before its text is decoded and parsed.
#include "config_text_fields.h"
#include "link/exchange/config_exchange.h"
#include "link/framing.h"
#include "fuzz_check.h"
#include "link/printer_config.h"
#include "printer_replies.h"
#include "scripted_link_port.h"

using namespace corvane;
using namespace corvane::link;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Bytes systemFrame = testing::SystemReply({"1.00", "2024-01-01", {0, 0x11, 0x22, 0xAA, 0xBB, 0xCC}});
    testing::ScriptedLinkPort port;
    port.replies = {testing::ModeAck(), systemFrame, testing::ModeAck(), Bytes(data, data + size)};

    const auto result = ReadConfig(port);
    const ConfigLayout layout = LayoutForReplyLength(size);
    FUZZ_CHECK((layout == ConfigLayout::Newer) == (size > kOlderReplyFrameLength));
    const bool valid = VerifyIfMessage(DecodeFrameText(fuzz::Input(data, size)), tag::kIfCur);
    FUZZ_CHECK(result.hasValue() == valid);
    if (result) {
        FUZZ_CHECK(result->layout == layout);
        FUZZ_CHECK(fuzz::HasWireTexts(result->config, layout));
        FUZZ_CHECK(result->systemInfo.firmwareVersion == "1.00");
    }
    return 0;
}
