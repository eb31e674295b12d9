// SYS_RSP messages after decoding, and the 54-byte system record on its own.
#include <algorithm>

#include "framing.h"
#include "fuzz_check.h"
#include "printer_config.h"

using namespace corvane;
using namespace corvane::link;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ByteSpan message = fuzz::Input(data, size);

    const auto info = ParseSystemInfo(message);
    FUZZ_CHECK(info.has_value() == (size >= 72 && VerifyIfMessage(message, tag::kSysRsp)));
    if (info) {
        FUZZ_CHECK(fuzz::IsFieldText(info->firmwareVersion, 16));
        FUZZ_CHECK(fuzz::IsFieldText(info->updateDate, 32));
        FUZZ_CHECK(std::equal(info->macAddress.begin(), info->macAddress.end(), message.begin() + 66));
        FUZZ_CHECK(ParseSystemInfoRecord(SerializeSystemInfo(*info)) == *info);
        (void)FormatMacUpper(info->macAddress);
    }

    // The record reader on its own takes any length; missing bytes read as 0.
    const PrinterSystemInfo record = ParseSystemInfoRecord(message);
    FUZZ_CHECK(fuzz::IsFieldText(record.firmwareVersion, 16));
    FUZZ_CHECK(fuzz::IsFieldText(record.updateDate, 32));
    for (std::size_t i = 0; i < 6; ++i) FUZZ_CHECK(record.macAddress[i] == (48 + i < size ? data[48 + i] : 0));
    return 0;
}
