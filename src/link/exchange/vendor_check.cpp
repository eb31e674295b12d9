#include "link/exchange/vendor_check.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace corvane::link {
namespace {

constexpr std::array<std::uint8_t, 3> kStatusReportsOff{0x1D, 0x61, 0x00};  // GS a 0
constexpr std::array<std::uint8_t, 3> kMakerNameRequest{0x1D, 0x49, 0x42};  // GS I 66
constexpr std::uint8_t kNameMarker = 0x5F;

// The name after the first marker byte, up to the first zero or the end of
// what was read. No marker: no name.
std::optional<std::string> NameAfterMarker(ByteSpan received) {
    auto marker = std::find(received.begin(), received.end(), kNameMarker);
    if (marker == received.end()) {
        return std::nullopt;
    }
    auto end = std::find(marker + 1, received.end(), std::uint8_t{0});
    return std::string(marker + 1, end);
}

}  // namespace

VendorCheckResult VendorCheck(LinkPort& port, const LinkWaits& waits, const ExchangeLimits& limits) {
    // Their results do not matter: a printer that missed them will not answer
    // with a name, which the comparison below catches.
    // The two commands are one request: a status byte the first one brings
    // is read together with the name.
    SendRequest(port, kStatusReportsOff);
    port.Write(kMakerNameRequest);
    if (!waits.pause(limits.vendorSettle, "printer settles after the maker-name request")) {
        return VendorCheckResult::Cancelled;
    }

    // The first byte of what was last read decides whether a failed read
    // counts towards re-sending the request: a printer that already sent
    // something (a status byte, say) is not asked again.
    bool bufferEmpty = true;
    int failures = 0;
    std::optional<std::string> name;
    Bytes reply;
    for (int attempt = 0; attempt < limits.vendorTries; ++attempt) {
        waits.report({LinkStep::CheckingPrinter, attempt + 1, limits.vendorTries});
        const bool read = port.Read(reply, ReplyShape::MakerName) && !reply.empty();
        if (waits.cancelled()) {
            return VendorCheckResult::Cancelled;
        }
        if (read) {
            name = NameAfterMarker(reply);
            if (name) {
                break;
            }
            bufferEmpty = reply.front() == 0;
        } else if (bufferEmpty) {
            ++failures;
            if (failures >= limits.vendorResendFrom) {
                port.Write(kMakerNameRequest);
                bufferEmpty = true;
            }
        }
        if (!waits.pause(limits.vendorTryPause, "before the next maker-name read")) {
            return VendorCheckResult::Cancelled;
        }
    }
    if (!waits.pause(limits.vendorAfterName, "after the maker name")) {
        return VendorCheckResult::Cancelled;
    }

    return name == kMakerName ? VendorCheckResult::Ok : VendorCheckResult::MakerMismatch;
}

}  // namespace corvane::link
