// The maker-name reply to GS I 66: any run of reads, failed or not, with any
// bytes in them, against the maker check.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

#include "link/exchange/vendor_check.h"
#include "fuzz_check.h"
#include "scripted_link_port.h"

using namespace corvane;
using namespace corvane::link;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    link::testing::ScriptedLinkPort port;
    while (input.remaining_bytes() > 0 && port.replies.size() < 80) {
        if (input.ConsumeBool()) {
            port.replies.emplace_back(std::nullopt);
        } else {
            const std::string text = input.ConsumeRandomLengthString(64);
            port.replies.emplace_back(Bytes(text.begin(), text.end()));
        }
    }
    const auto script = port.replies;

    ExchangeLimits limits;
    const VendorCheckResult result = VendorCheck(port, LinkWaits(SleepFn([](std::chrono::milliseconds) {})), limits);

    // Passing needs the marker and the name in one reply.
    if (result == VendorCheckResult::Ok) {
        const Bytes wanted = ToBytes("_ZEPHRAN");
        FUZZ_CHECK(std::any_of(script.begin(), script.end(), [&](const std::optional<Bytes>& reply) {
            return reply && std::search(reply->begin(), reply->end(), wanted.begin(), wanted.end()) != reply->end();
        }));
    }
    // Two opening commands, then at most one re-sent request per try.
    FUZZ_CHECK(port.writes.size() <= 2 + static_cast<std::size_t>(limits.vendorTries));
    FUZZ_CHECK(script.size() - port.replies.size() <= static_cast<std::size_t>(limits.vendorTries));
    return 0;
}
