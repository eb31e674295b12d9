// Round-trip properties. Any PrinterConfig goes out as an IF__CUR reply frame
// in both layouts and comes back as the same value once its texts are cut as
// the wire cuts them; any system record likewise; and any byte string sent as
// a frame's hexadecimal text decodes to itself.
#include <fuzzer/FuzzedDataProvider.h>

#include "config_text_fields.h"
#include "link/framing.h"
#include "fuzz_check.h"
#include "link/printer_config.h"

using namespace corvane;
using namespace corvane::link;

namespace {

// Texts may be longer than their field and hold zeros, to test the cutting.
PrinterConfig ConfigFrom(FuzzedDataProvider& in) {
    PrinterConfig c;
    for (const fuzz::TextField& field : fuzz::kConfigTexts)
        c.*field.member = in.ConsumeRandomLengthString(field.width + 8);
    c.networkMode = in.ConsumeIntegral<std::uint8_t>();
    c.ipAssignment = in.ConsumeIntegral<std::uint8_t>();
    c.ipAddress = link::Ipv4Address(in.ConsumeIntegral<std::uint32_t>());
    c.subnetMask = link::Ipv4Address(in.ConsumeIntegral<std::uint32_t>());
    c.gateway = link::Ipv4Address(in.ConsumeIntegral<std::uint32_t>());
    c.authentication = in.ConsumeIntegral<std::uint8_t>();
    c.cipher = in.ConsumeIntegral<std::uint8_t>();
    c.adhocChannel = in.ConsumeIntegral<std::uint8_t>();
    c.eapMode = in.ConsumeIntegral<std::uint8_t>();
    c.p2pConnMode = in.ConsumeIntegral<std::uint8_t>();
    c.printerPort = in.ConsumeIntegral<std::uint16_t>();
    c.httpsEnabled = in.ConsumeIntegral<std::uint8_t>();
    c.telnetEnabled = in.ConsumeIntegral<std::uint8_t>();
    c.ftpEnabled = in.ConsumeIntegral<std::uint8_t>();
    c.snmpEnabled = in.ConsumeIntegral<std::uint8_t>();
    c.trapAddress = link::Ipv4Address(in.ConsumeIntegral<std::uint32_t>());
    c.inactivityTime = in.ConsumeIntegral<std::uint16_t>();
    return c;
}

// The value a reader gets back: texts cut, Wi-Fi Direct fields gone from the
// older layout.
PrinterConfig AsReceived(PrinterConfig c, ConfigLayout layout) {
    for (const fuzz::TextField& field : fuzz::kConfigTexts) {
        std::string& text = c.*field.member;
        text = field.newerOnly && layout == ConfigLayout::Older ? std::string() : fuzz::FieldText(text, field.width);
    }
    if (layout == ConfigLayout::Older) c.p2pConnMode = 0;
    return c;
}

void ConfigRoundTrip(const PrinterConfig& config) {
    for (const ConfigLayout layout : {ConfigLayout::Older, ConfigLayout::Newer}) {
        Bytes content = ToBytes(tag::kIfCur);
        const Bytes record = SerializeConfig(config, layout);
        FUZZ_CHECK(record.size() == ConfigSize(layout));
        content.insert(content.end(), record.begin(), record.end());
        const Bytes frame = EncodeFrame(BuildIfMessage(content));
        FUZZ_CHECK(frame.size() == (layout == ConfigLayout::Newer ? 1276u : 1252u));
        FUZZ_CHECK(LayoutForReplyLength(frame.size()) == layout);

        const auto parsed = ParseConfig(DecodeFrameText(frame), layout);
        FUZZ_CHECK(parsed.has_value());
        FUZZ_CHECK(*parsed == AsReceived(config, layout));

        // IF__SET carries the same record.
        const Bytes set = BuildIfSetMessage(config, layout);
        FUZZ_CHECK(VerifyIfMessage(set, tag::kIfSet));
        FUZZ_CHECK(ParseConfigRecord(ByteSpan(set).subspan(kTagLength), layout) == *parsed);
    }
}

void SystemRoundTrip(FuzzedDataProvider& in) {
    PrinterSystemInfo info;
    info.firmwareVersion = in.ConsumeRandomLengthString(24);
    info.updateDate = in.ConsumeRandomLengthString(40);
    for (auto& b : info.macAddress) b = in.ConsumeIntegral<std::uint8_t>();
    Bytes content = ToBytes(tag::kSysRsp);
    const Bytes record = SerializeSystemInfo(info);
    content.insert(content.end(), record.begin(), record.end());
    const Bytes frame = EncodeFrame(BuildIfMessage(content));
    FUZZ_CHECK(frame.size() == 152);
    const auto parsed = ParseSystemInfo(DecodeFrameText(frame));
    FUZZ_CHECK(parsed.has_value());
    FUZZ_CHECK(parsed->firmwareVersion == fuzz::FieldText(info.firmwareVersion, 16));
    FUZZ_CHECK(parsed->updateDate == fuzz::FieldText(info.updateDate, 32));
    FUZZ_CHECK(parsed->macAddress == info.macAddress);
}

void BytesRoundTrip(ByteSpan bytes) {
    const Bytes frame = EncodeFrame(bytes);
    if (bytes.size() > kMaxFrameMessage) {
        FUZZ_CHECK(frame.empty());
        return;
    }
    FUZZ_CHECK(frame.size() == 2 * bytes.size() + 4);
    const Bytes decoded = DecodeFrameText(frame);
    FUZZ_CHECK(std::equal(decoded.begin(), decoded.end(), bytes.begin(), bytes.end()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    BytesRoundTrip(fuzz::Input(data, size));
    FuzzedDataProvider in(data, size);
    ConfigRoundTrip(ConfigFrom(in));
    SystemRoundTrip(in);
    return 0;
}
