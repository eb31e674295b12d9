#include "link/printer_config.h"

#include <algorithm>
#include <cstdio>

#include "link/config_fields.h"
#include "link/framing.h"
#include "link/ipv4_address.h"

namespace corvane::link {

namespace {

// Writes each field of `layout` into a zeroed record: texts cut to their
// width, numbers big-endian over theirs.
void WriteField(const ConfigField& f, const PrinterConfig& config, ConfigLayout layout, Bytes& record) {
    std::uint8_t* at = record.data() + f.offset(layout);
    const FieldValue value = f.get(config);
    if (const auto* text = std::get_if<std::string>(&value)) {
        std::copy_n(text->begin(), std::min(text->size(), f.width), at);
        return;
    }
    const auto* address = std::get_if<Ipv4Address>(&value);
    const std::uint32_t number = address ? address->value() : std::get<std::uint32_t>(value);
    for (std::size_t i = 0; i < f.width; ++i) at[i] = static_cast<std::uint8_t>(number >> (8 * (f.width - 1 - i)));
}

// Reads one field of a full-size record: a text up to its first zero byte.
void ReadField(const ConfigField& f, ByteSpan record, ConfigLayout layout, PrinterConfig& config) {
    const ByteSpan bytes = record.subspan(f.offset(layout), f.width);
    if (f.kind == FieldKind::Text) {
        f.set(config, std::string(bytes.begin(), std::find(bytes.begin(), bytes.end(), std::uint8_t{0})));
        return;
    }
    std::uint32_t number = 0;
    for (const std::uint8_t b : bytes) number = (number << 8) | b;
    if (f.kind == FieldKind::Address) f.set(config, Ipv4Address(number));
    else f.set(config, number);
}

std::string FixedText(ByteSpan bytes) {
    return {bytes.begin(), std::find(bytes.begin(), bytes.end(), std::uint8_t{0})};
}

}  // namespace

ConfigLayout LayoutForReplyLength(std::size_t replyFrameLength) {
    return replyFrameLength > kOlderReplyFrameLength ? ConfigLayout::Newer : ConfigLayout::Older;
}

Bytes SerializeConfig(const PrinterConfig& config, ConfigLayout layout) {
    Bytes record(ConfigSize(layout), 0);
    for (const ConfigField& f : kConfigFields) {
        if (f.inLayout(layout)) WriteField(f, config, layout, record);
    }
    return record;
}

PrinterConfig ParseConfigRecord(ByteSpan record, ConfigLayout layout) {
    // A short record reads its missing bytes as 0.
    Bytes full(ConfigSize(layout), 0);
    std::copy_n(record.begin(), std::min(record.size(), full.size()), full.begin());
    PrinterConfig config;
    for (const ConfigField& f : kConfigFields) {
        if (f.inLayout(layout)) ReadField(f, full, layout, config);
    }
    return config;
}

Bytes SerializeSystemInfo(const PrinterSystemInfo& info) {
    Bytes record(PrinterSystemInfo::kSize, 0);
    std::copy_n(info.firmwareVersion.begin(), std::min<std::size_t>(info.firmwareVersion.size(), 16), record.begin());
    std::copy_n(info.updateDate.begin(), std::min<std::size_t>(info.updateDate.size(), 32), record.begin() + 16);
    std::copy(info.macAddress.begin(), info.macAddress.end(), record.begin() + 48);
    return record;
}

PrinterSystemInfo ParseSystemInfoRecord(ByteSpan record) {
    std::array<std::uint8_t, PrinterSystemInfo::kSize> full{};
    std::copy_n(record.begin(), std::min(record.size(), full.size()), full.begin());
    const ByteSpan bytes(full);
    PrinterSystemInfo info;
    info.firmwareVersion = FixedText(bytes.subspan(0, 16));
    info.updateDate = FixedText(bytes.subspan(16, 32));
    std::copy_n(full.begin() + 48, 6, info.macAddress.begin());
    return info;
}

std::optional<PrinterSystemInfo> ParseSystemInfo(ByteSpan message) {
    if (message.size() < kTagLength + PrinterSystemInfo::kSize) return std::nullopt;
    if (!VerifyIfMessage(message, tag::kSysRsp)) return std::nullopt;
    return ParseSystemInfoRecord(message.subspan(kTagLength, PrinterSystemInfo::kSize));
}

std::optional<PrinterConfig> ParseConfig(ByteSpan message, ConfigLayout layout) {
    if (!VerifyIfMessage(message, tag::kIfCur)) return std::nullopt;
    return ParseConfigRecord(message.subspan(kTagLength), layout);
}

Bytes BuildIfSetMessage(const PrinterConfig& config, ConfigLayout layout) {
    Bytes content = ToBytes(tag::kIfSet);
    const Bytes record = SerializeConfig(config, layout);
    content.insert(content.end(), record.begin(), record.end());
    return BuildIfMessage(content);
}

}  // namespace corvane::link
