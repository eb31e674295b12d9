// IF__CUR messages after decoding, read in both record layouts.
#include "config_text_fields.h"
#include "framing.h"
#include "fuzz_check.h"
#include "printer_config.h"

using namespace corvane;
using namespace corvane::link;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ByteSpan message = fuzz::Input(data, size);
    const bool valid = VerifyIfMessage(message, tag::kIfCur);
    for (const ConfigLayout layout : {ConfigLayout::Older, ConfigLayout::Newer}) {
        const auto config = ParseConfig(message, layout);
        FUZZ_CHECK(config.has_value() == valid);
        if (!config) continue;
        FUZZ_CHECK(fuzz::HasWireTexts(*config, layout));
        FUZZ_CHECK(*config == ParseConfigRecord(message.subspan(kTagLength), layout));
        // What was read is written back unchanged.
        const Bytes record = SerializeConfig(*config, layout);
        FUZZ_CHECK(record.size() == ConfigSize(layout));
        FUZZ_CHECK(ParseConfigRecord(record, layout) == *config);
        (void)FormatIpv4(config->ipAddress);
    }
    return 0;
}
