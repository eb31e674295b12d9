// Datagrams arriving during a discovery search, in both modes: what becomes a
// listed printer, what is ignored and what ends a WLAN search; and the same
// datagrams arriving while a settings request waits for its confirmation.
#include <algorithm>

#include "link/discovered_device.h"
#include "fuzz_check.h"

using namespace corvane;
using namespace corvane::lan;

namespace {

bool SameAnswer(const link::DiscoveryAnswer& a, const link::DiscoveryAnswer& b) {
    return a.kind == b.kind && (a.kind != link::DiscoveryAnswer::Kind::Device || a.device.raw == b.device.raw);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ByteSpan datagram = fuzz::Input(data, size);
    const ByteSpan seen = datagram.first(std::min(size, link::kDatagramBuffer));

    // "SETC" confirms in both modes (41), the WLAN tag in WLAN mode (43).
    const bool setc = fuzz::StartsWith(datagram, link::kSettingsConfirm);
    const auto ethernetConfirm = link::ClassifySettingsAnswer(link::ListMode::Ethernet, datagram);
    FUZZ_CHECK(ethernetConfirm == (size >= 5 && setc ? std::optional(41) : std::nullopt));
    const bool tagged = fuzz::StartsWith(datagram, link::kWlanSetConfirm);
    const auto wlanConfirm = link::ClassifySettingsAnswer(link::ListMode::Wlan, datagram);
    FUZZ_CHECK(wlanConfirm == (size >= 19 && (setc || tagged) ? std::optional(setc ? 41 : 43) : std::nullopt));

    for (const link::ListMode mode : {link::ListMode::Ethernet, link::ListMode::Wlan}) {
        const bool wlan = mode == link::ListMode::Wlan;
        const std::string_view tagText = wlan ? link::kRegisterAnswer : link::kFindAnswer;
        const link::DiscoveryAnswer answer = link::ClassifyDiscoveryAnswer(mode, datagram);

        // Bytes past the receive buffer never change the outcome.
        FUZZ_CHECK(SameAnswer(answer, link::ClassifyDiscoveryAnswer(mode, seen)));
        if (wlan && seen.size() < 19) {
            FUZZ_CHECK(answer.kind == link::DiscoveryAnswer::Kind::EndSearch);
            continue;
        }
        FUZZ_CHECK(answer.kind != link::DiscoveryAnswer::Kind::EndSearch);
        const bool listed = seen.size() > tagText.size() && fuzz::StartsWith(seen, tagText);
        FUZZ_CHECK((answer.kind == link::DiscoveryAnswer::Kind::Device) == listed);
        if (!listed) continue;

        // The record is the bytes behind the tag, missing ones as zero, and
        // nothing beyond the record size of the mode.
        const link::DiscoveredDevice& device = answer.device;
        FUZZ_CHECK(device.mode == mode);
        for (std::size_t i = 0; i < device.raw.size(); ++i) {
            const std::size_t at = tagText.size() + i;
            const std::uint8_t expected = (i < device.size() && at < seen.size()) ? seen[at] : 0;
            FUZZ_CHECK(device.raw[i] == expected);
        }
        const auto texts = link::DeviceRowTexts(1, device);
        FUZZ_CHECK(texts[1].size() == 17);
        const Bytes request = link::BuildSettingsRequest(device);
        FUZZ_CHECK(request.size() == (wlan ? 47u : 30u));
    }
    return 0;
}
