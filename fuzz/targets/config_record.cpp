// The configuration record on its own, any length, both layouts: reading a
// record and writing it back yields the record with its reserved bytes and
// the bytes after each text's end zeroed.
#include <algorithm>

#include "config_text_fields.h"
#include "fuzz_check.h"
#include "printer_config.h"

using namespace corvane;
using namespace corvane::link;

namespace {

bool IsTextField(const ConfigField& field) { return field.width != 1 && field.width != 2 && field.width != 4; }

// The record as a reader sees it, rebuilt field by field from the offset table.
Bytes Normalised(ByteSpan input, ConfigLayout layout) {
    Bytes full(ConfigSize(layout), 0);
    std::copy_n(input.begin(), std::min(input.size(), full.size()), full.begin());
    Bytes out(full.size(), 0);
    for (const ConfigField& field : ConfigFields()) {
        if (!field.inLayout(layout)) continue;
        const auto begin = full.begin() + static_cast<std::ptrdiff_t>(field.offset(layout));
        auto end = begin + static_cast<std::ptrdiff_t>(field.width);
        if (IsTextField(field)) end = std::find(begin, end, std::uint8_t{0});
        std::copy(begin, end, out.begin() + static_cast<std::ptrdiff_t>(field.offset(layout)));
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ByteSpan record = fuzz::Input(data, size);
    for (const ConfigLayout layout : {ConfigLayout::Older, ConfigLayout::Newer}) {
        const PrinterConfig config = ParseConfigRecord(record, layout);
        FUZZ_CHECK(fuzz::HasWireTexts(config, layout));
        FUZZ_CHECK(SerializeConfig(config, layout) == Normalised(record, layout));
    }
    return 0;
}
