// Structure-aware: the fuzzed bytes become the body of a message that carries
// a correct checksum, so the record and survey parsers behind the checksum
// gate see every input. The first byte picks the reader; with its top bit set
// the rest is taken as tag and body together, so wrong tags are tried too.
#include <algorithm>

#include "link/bss.h"
#include "bss_invariants.h"
#include "config_text_fields.h"
#include "link/exchange/bss_exchange.h"
#include "link/exchange/config_exchange.h"
#include "link/framing.h"
#include "fuzz_check.h"
#include "link/printer_config.h"
#include "printer_replies.h"
#include "scripted_link_port.h"

using namespace corvane;
using namespace corvane::link;

namespace {

enum Reader : std::uint8_t { kSystem, kConfigOlder, kConfigNewer, kSurvey, kSurveyOverLink, kSaveAnswer, kReaders };

// The tag each reader expects, by reader.
constexpr std::string_view kTagOf[kReaders] = {tag::kSysRsp, tag::kIfCur,  tag::kIfCur,
                                               tag::kBssRsp, tag::kBssRsp, tag::kIfSuc};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > kMessageAreaSize) return 0;
    const auto reader = static_cast<Reader>((data[0] & 0x7F) % kReaders);
    const bool ownTag = (data[0] & 0x80) != 0;
    const std::string_view tagText = kTagOf[reader];

    Bytes content = ownTag ? Bytes{} : ToBytes(tagText);
    content.insert(content.end(), data + 1, data + size);
    const Bytes message = BuildIfMessage(content);
    FUZZ_CHECK(!message.empty() && InternetChecksum(message) == 0);
    const bool tagged = fuzz::StartsWith(message, tagText);

    switch (reader) {
    case kSystem: {
        const auto info = ParseSystemInfo(message);
        FUZZ_CHECK(info.has_value() == (tagged && message.size() >= 72));
        break;
    }
    case kConfigOlder:
    case kConfigNewer: {
        const ConfigLayout layout = reader == kConfigNewer ? ConfigLayout::Newer : ConfigLayout::Older;
        const auto config = ParseConfig(message, layout);
        FUZZ_CHECK(config.has_value() == tagged);
        if (config) {
            FUZZ_CHECK(fuzz::HasWireTexts(*config, layout));
            FUZZ_CHECK(ParseConfigRecord(SerializeConfig(*config, layout), layout) == *config);
        }
        break;
    }
    case kSurvey: {
        BssTable table = fuzz::StaleTable();
        FUZZ_CHECK(ParseBssResponse(message, table) == tagged);
        fuzz::CheckTable(table);
        if (!tagged) FUZZ_CHECK(fuzz::IsCleared(table));
        break;
    }
    case kSurveyOverLink: {
        // The same answer carried as a reply frame gives the same table.
        if (message.size() > kMaxFrameMessage) break;
        testing::ScriptedLinkPort port;
        port.replies = {testing::ModeAck(), testing::ReplyFrame(message)};
        BssTable overLink = fuzz::StaleTable();
        BssTable direct{};
        FUZZ_CHECK(static_cast<bool>(QueryBssOverLink(port, overLink, {})) == ParseBssResponse(message, direct));
        FUZZ_CHECK(
            std::equal(overLink.begin(), overLink.end(), direct.begin(), [](const BssEntry& a, const BssEntry& b) {
                return a.ssid == b.ssid && a.bssid == b.bssid && a.mode == b.mode && a.rssi == b.rssi &&
                       a.security == b.security;
            }));
        break;
    }
    case kSaveAnswer: {
        if (message.size() > kMaxFrameMessage) break;
        testing::ScriptedLinkPort port;
        port.replies = {testing::ModeAck(), testing::ReplyFrame(message)};
        FUZZ_CHECK(static_cast<bool>(SendConfig(port, PrinterConfig{}, ConfigLayout::Newer)) == tagged);
        break;
    }
    default: break;
    }
    return 0;
}
