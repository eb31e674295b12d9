#include "printer_config.h"

#include <algorithm>
#include <cstdio>

#include "framing.h"
#include "link/ipv4_address.h"

namespace corvane::link {

namespace {

constexpr std::size_t kNewerOnly = ConfigField::kNewerOnly;

// The order of this enum is the order of kFields below.
enum Field : std::size_t {
    fPrinterName,
    fNetworkMode,
    fIpAssignment,
    fIpAddress,
    fSubnetMask,
    fGateway,
    fSsid,
    fAuthentication,
    fCipher,
    fWepKey,
    fPskKey,
    fAdhocChannel,
    fEapMode,
    fAuthId,
    fAuthPassword,
    fP2pConnMode,
    fP2pPinCode,
    fP2pChannel,
    fUserId,
    fUserPassword,
    fPrinterPort,
    fHttpsEnabled,
    fTelnetEnabled,
    fFtpEnabled,
    fSnmpEnabled,
    fSetCommunity,
    fGetCommunity,
    fTrapCommunity,
    fTrapAddress,
    fInactivityTime,
    kFieldCount
};

// The older layout lacks the three Wi-Fi Direct fields (13 bytes), so every
// field from userId on sits 13 bytes earlier in it.
constexpr std::array<ConfigField, kFieldCount> kFields{{
    {"printerName", 0, 0, 64},
    {"networkMode", 65, 65, 1},
    {"ipAssignment", 66, 66, 1},
    {"ipAddress", 67, 67, 4},
    {"subnetMask", 71, 71, 4},
    {"gateway", 75, 75, 4},
    {"ssid", 79, 79, 32},
    {"authentication", 111, 111, 1},
    {"cipher", 112, 112, 1},
    {"wepKey", 113, 113, 28},
    {"pskKey", 217, 217, 64},
    {"adhocChannel", 281, 281, 1},
    {"eapMode", 282, 282, 1},
    {"authId", 283, 283, 32},
    {"authPassword", 315, 315, 32},
    {"p2pConnMode", 347, kNewerOnly, 1},
    {"p2pPinCode", 348, kNewerOnly, 9},
    {"p2pChannel", 357, kNewerOnly, 3},
    {"userId", 360, 347, 32},
    {"userPassword", 392, 379, 32},
    {"printerPort", 424, 411, 2},
    {"httpsEnabled", 557, 544, 1},
    {"telnetEnabled", 558, 545, 1},
    {"ftpEnabled", 559, 546, 1},
    {"snmpEnabled", 560, 547, 1},
    {"setCommunity", 562, 549, 16},
    {"getCommunity", 578, 565, 16},
    {"trapCommunity", 594, 581, 16},
    {"trapAddress", 610, 597, 4},
    {"inactivityTime", 614, 601, 2},
}};

static_assert(kFields[fInactivityTime].newerOffset + 2 == kNewerConfigSize);
static_assert(kFields[fInactivityTime].olderOffset + 2 == kOlderConfigSize);

// Writes fields into a zeroed record of one layout; fields the layout does not
// have are skipped.
class RecordWriter {
public:
    explicit RecordWriter(ConfigLayout layout) : layout_(layout), bytes_(ConfigSize(layout), 0) {}

    void text(Field f, const std::string& value) {
        if (auto* at = place(f)) std::copy_n(value.begin(), std::min(value.size(), kFields[f].width), at);
    }
    void number(Field f, std::uint32_t value) {
        if (auto* at = place(f)) {
            const std::size_t width = kFields[f].width;
            for (std::size_t i = 0; i < width; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * (width - 1 - i)));
        }
    }
    Bytes take() { return std::move(bytes_); }

private:
    std::uint8_t* place(Field f) {
        const ConfigField& field = kFields[f];
        return field.inLayout(layout_) ? bytes_.data() + field.offset(layout_) : nullptr;
    }

    ConfigLayout layout_;
    Bytes bytes_;
};

// Reads fields from a full-size record of one layout.
class RecordReader {
public:
    RecordReader(ByteSpan record, ConfigLayout layout) : layout_(layout), bytes_(ConfigSize(layout), 0) {
        std::copy_n(record.begin(), std::min(record.size(), bytes_.size()), bytes_.begin());
    }

    std::string text(Field f) const {
        const std::uint8_t* at = place(f);
        if (!at) return {};
        const std::uint8_t* end = std::find(at, at + kFields[f].width, std::uint8_t{0});
        return {at, end};
    }
    std::uint32_t number(Field f) const {
        const std::uint8_t* at = place(f);
        std::uint32_t value = 0;
        if (at)
            for (std::size_t i = 0; i < kFields[f].width; ++i) value = (value << 8) | at[i];
        return value;
    }
    std::uint8_t byte(Field f) const { return static_cast<std::uint8_t>(number(f)); }
    std::uint16_t word(Field f) const { return static_cast<std::uint16_t>(number(f)); }

private:
    const std::uint8_t* place(Field f) const {
        const ConfigField& field = kFields[f];
        return field.inLayout(layout_) ? bytes_.data() + field.offset(layout_) : nullptr;
    }

    ConfigLayout layout_;
    Bytes bytes_;
};

std::string FixedText(ByteSpan bytes) {
    return {bytes.begin(), std::find(bytes.begin(), bytes.end(), std::uint8_t{0})};
}

}  // namespace

std::span<const ConfigField> ConfigFields() { return kFields; }

const ConfigField* FindConfigField(std::string_view name) {
    const auto it =
        std::find_if(kFields.begin(), kFields.end(), [name](const ConfigField& f) { return name == f.name; });
    return it == kFields.end() ? nullptr : &*it;
}

ConfigLayout LayoutForReplyLength(std::size_t replyFrameLength) {
    return replyFrameLength > kOlderReplyFrameLength ? ConfigLayout::Newer : ConfigLayout::Older;
}

Bytes SerializeConfig(const PrinterConfig& c, ConfigLayout layout) {
    RecordWriter w(layout);
    w.text(fPrinterName, c.printerName);
    w.number(fNetworkMode, c.networkMode);
    w.number(fIpAssignment, c.ipAssignment);
    w.number(fIpAddress, c.ipAddress);
    w.number(fSubnetMask, c.subnetMask);
    w.number(fGateway, c.gateway);
    w.text(fSsid, c.ssid);
    w.number(fAuthentication, c.authentication);
    w.number(fCipher, c.cipher);
    w.text(fWepKey, c.wepKey);
    w.text(fPskKey, c.pskKey);
    w.number(fAdhocChannel, c.adhocChannel);
    w.number(fEapMode, c.eapMode);
    w.text(fAuthId, c.authId);
    w.text(fAuthPassword, c.authPassword);
    w.number(fP2pConnMode, c.p2pConnMode);
    w.text(fP2pPinCode, c.p2pPinCode);
    w.text(fP2pChannel, c.p2pChannel);
    w.text(fUserId, c.userId);
    w.text(fUserPassword, c.userPassword);
    w.number(fPrinterPort, c.printerPort);
    w.number(fHttpsEnabled, c.httpsEnabled);
    w.number(fTelnetEnabled, c.telnetEnabled);
    w.number(fFtpEnabled, c.ftpEnabled);
    w.number(fSnmpEnabled, c.snmpEnabled);
    w.text(fSetCommunity, c.setCommunity);
    w.text(fGetCommunity, c.getCommunity);
    w.text(fTrapCommunity, c.trapCommunity);
    w.number(fTrapAddress, c.trapAddress);
    w.number(fInactivityTime, c.inactivityTime);
    return w.take();
}

PrinterConfig ParseConfigRecord(ByteSpan record, ConfigLayout layout) {
    const RecordReader r(record, layout);
    PrinterConfig c;
    c.printerName = r.text(fPrinterName);
    c.networkMode = r.byte(fNetworkMode);
    c.ipAssignment = r.byte(fIpAssignment);
    c.ipAddress = r.number(fIpAddress);
    c.subnetMask = r.number(fSubnetMask);
    c.gateway = r.number(fGateway);
    c.ssid = r.text(fSsid);
    c.authentication = r.byte(fAuthentication);
    c.cipher = r.byte(fCipher);
    c.wepKey = r.text(fWepKey);
    c.pskKey = r.text(fPskKey);
    c.adhocChannel = r.byte(fAdhocChannel);
    c.eapMode = r.byte(fEapMode);
    c.authId = r.text(fAuthId);
    c.authPassword = r.text(fAuthPassword);
    c.p2pConnMode = r.byte(fP2pConnMode);
    c.p2pPinCode = r.text(fP2pPinCode);
    c.p2pChannel = r.text(fP2pChannel);
    c.userId = r.text(fUserId);
    c.userPassword = r.text(fUserPassword);
    c.printerPort = r.word(fPrinterPort);
    c.httpsEnabled = r.byte(fHttpsEnabled);
    c.telnetEnabled = r.byte(fTelnetEnabled);
    c.ftpEnabled = r.byte(fFtpEnabled);
    c.snmpEnabled = r.byte(fSnmpEnabled);
    c.setCommunity = r.text(fSetCommunity);
    c.getCommunity = r.text(fGetCommunity);
    c.trapCommunity = r.text(fTrapCommunity);
    c.trapAddress = r.number(fTrapAddress);
    c.inactivityTime = r.word(fInactivityTime);
    return c;
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

std::string FormatMacUpper(const std::array<std::uint8_t, 6>& mac) {
    char text[18];
    std::snprintf(text, sizeof text, "%02X-%02X-%02X-%02X-%02X-%02X", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
    return text;
}

std::string FormatIpv4(const std::array<std::uint8_t, 4>& address) { return Ipv4Address(address).text(); }

std::string FormatIpv4(Ipv4 address) { return Ipv4Address(address).text(); }

}  // namespace corvane::link
