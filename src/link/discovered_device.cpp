#include "link/discovered_device.h"

#include <algorithm>
#include <cstdio>

#include "link/printer_config.h"

namespace corvane::link {

namespace {

// Byte offsets within the record.
constexpr std::size_t kMac = 0;
constexpr std::size_t kIp = 6;
constexpr std::size_t kMask = 10;
constexpr std::size_t kGateway = 14;
constexpr std::size_t kPort = 18;
constexpr std::size_t kBaud = 20;
constexpr std::size_t kVersionMajor = 21;
constexpr std::size_t kVersionMinor = 22;
constexpr std::size_t kDhcp = 23;
constexpr std::size_t kInactivity = 24;
constexpr std::size_t kHttps = 26;
constexpr std::size_t kFeature = 27;
constexpr std::size_t kReserved = 28;

// The Ethernet settings request leaves out the HTTPS flag.
constexpr std::size_t kEthernetSettingsBytes = 26;

constexpr std::uint8_t kBaudCodes[] = {0xA0, 0xD0, 0xE8, 0xF4, 0xFA, 0xFD, 0xFE, 0xFF, 0xBB};
static_assert(std::size(kBaudCodes) == kBaudEntries.size());

template <std::size_t N>
std::array<std::uint8_t, N> Slice(const std::array<std::uint8_t, DiscoveredDevice::kWlanSize>& raw, std::size_t at) {
    std::array<std::uint8_t, N> out{};
    std::copy_n(raw.begin() + static_cast<std::ptrdiff_t>(at), N, out.begin());
    return out;
}

std::uint16_t Word(const std::array<std::uint8_t, DiscoveredDevice::kWlanSize>& raw, std::size_t at) {
    return static_cast<std::uint16_t>((raw[at] << 8) | raw[at + 1]);
}

void PutWord(std::array<std::uint8_t, DiscoveredDevice::kWlanSize>& raw, std::size_t at, std::uint16_t v) {
    raw[at] = static_cast<std::uint8_t>(v >> 8);
    raw[at + 1] = static_cast<std::uint8_t>(v & 0xFF);
}

void PutAddress(std::array<std::uint8_t, DiscoveredDevice::kWlanSize>& raw, std::size_t at, Ipv4Address a) {
    const Ipv4Octets octets = a.octets();
    std::copy(octets.begin(), octets.end(), raw.begin() + static_cast<std::ptrdiff_t>(at));
}

bool StartsWith(ByteSpan data, std::string_view prefix) {
    const ByteSpan p = AsBytes(prefix);
    return data.size() >= p.size() && std::equal(p.begin(), p.end(), data.begin());
}

}  // namespace

MacAddress DiscoveredDevice::macAddress() const { return Slice<6>(raw, kMac); }
Ipv4Address DiscoveredDevice::ipAddress() const { return Ipv4Address(Slice<4>(raw, kIp)); }
Ipv4Address DiscoveredDevice::subnetMask() const { return Ipv4Address(Slice<4>(raw, kMask)); }
Ipv4Address DiscoveredDevice::gateway() const { return Ipv4Address(Slice<4>(raw, kGateway)); }
std::uint16_t DiscoveredDevice::port() const { return Word(raw, kPort); }
std::uint8_t DiscoveredDevice::baudCode() const { return raw[kBaud]; }
std::uint8_t DiscoveredDevice::firmwareMajor() const { return raw[kVersionMajor]; }
std::uint8_t DiscoveredDevice::firmwareMinor() const { return raw[kVersionMinor]; }
bool DiscoveredDevice::dhcp() const { return raw[kDhcp] != 0; }
std::uint16_t DiscoveredDevice::inactivityTime() const { return Word(raw, kInactivity); }
bool DiscoveredDevice::httpsEnabled() const { return raw[kHttps] != 0; }
std::uint8_t DiscoveredDevice::featureCode() const { return mode == ListMode::Wlan ? raw[kFeature] : 0; }
std::uint8_t DiscoveredDevice::reservedByte() const { return mode == ListMode::Wlan ? raw[kReserved] : 0; }

void DiscoveredDevice::setIpAddress(Ipv4Address a) { PutAddress(raw, kIp, a); }
void DiscoveredDevice::setSubnetMask(Ipv4Address a) { PutAddress(raw, kMask, a); }
void DiscoveredDevice::setGateway(Ipv4Address a) { PutAddress(raw, kGateway, a); }
void DiscoveredDevice::setPort(std::uint16_t port) { PutWord(raw, kPort, port); }
void DiscoveredDevice::setBaudCode(std::uint8_t code) { raw[kBaud] = code; }
void DiscoveredDevice::setDhcp(bool on) { raw[kDhcp] = on ? 1 : 0; }
void DiscoveredDevice::setInactivityTime(std::uint16_t seconds) { PutWord(raw, kInactivity, seconds); }

DiscoveredDevice* DeviceList::deviceAt(int n) {
    if (n < 1 || static_cast<std::size_t>(n) > devices_.size()) return nullptr;
    return &devices_[static_cast<std::size_t>(n - 1)];
}

void DeviceList::addOrUpdate(const DiscoveredDevice& record) {
    for (DiscoveredDevice& listed : devices_) {
        if (listed.macAddress() == record.macAddress() && listed.adapter == record.adapter) {
            listed = record;
            return;
        }
    }
    devices_.push_back(record);
}

const DiscoveredDevice* DeviceList::deviceAt(int n) const { return const_cast<DeviceList*>(this)->deviceAt(n); }

Bytes BuildDiscoveryRequest(ListMode mode) { return ToBytes(mode == ListMode::Wlan ? kRegisterRequest : kFindRequest); }

DiscoveryAnswer ClassifyDiscoveryAnswer(ListMode mode, ByteSpan datagram) {
    // The receive buffer holds 512 bytes; anything past it is never looked at.
    datagram = datagram.first(std::min(datagram.size(), kDatagramBuffer));
    const bool wlan = mode == ListMode::Wlan;
    const std::string_view tagText = wlan ? kRegisterAnswer : kFindAnswer;

    DiscoveryAnswer answer;
    if (wlan && datagram.size() <= kRegisterAnswer.size()) {
        answer.kind = DiscoveryAnswer::Kind::EndSearch;
        return answer;
    }
    if (!wlan && datagram.size() <= kFindAnswer.size()) return answer;
    if (!StartsWith(datagram, tagText)) return answer;

    answer.kind = DiscoveryAnswer::Kind::Device;
    answer.device.mode = mode;
    const ByteSpan record = datagram.subspan(tagText.size());
    const std::size_t size = answer.device.size();
    std::copy_n(record.begin(), std::min(record.size(), size), answer.device.raw.begin());
    return answer;
}

Bytes BuildSettingsRequest(const DiscoveredDevice& device) {
    const bool wlan = device.mode == ListMode::Wlan;
    Bytes request = ToBytes(wlan ? kWlanSetRequest : kSettingsRequest);
    const std::size_t count = wlan ? DiscoveredDevice::kWlanSize : kEthernetSettingsBytes;
    request.insert(request.end(), device.raw.begin(), device.raw.begin() + static_cast<std::ptrdiff_t>(count));
    return request;
}

std::optional<StringId> ClassifySettingsAnswer(ListMode mode, ByteSpan datagram) {
    const bool wlan = mode == ListMode::Wlan;
    const std::size_t minimum = wlan ? kWlanSetConfirm.size() + 1 : kSettingsConfirm.size() + 1;
    if (datagram.size() < minimum) return std::nullopt;
    // "SETC" confirms in both modes; the tagged confirmation only in WLAN mode.
    if (StartsWith(datagram, kSettingsConfirm)) return kLanConfigCompleted;
    if (wlan && StartsWith(datagram, kWlanSetConfirm)) return kWlanConfigCompleted;
    return std::nullopt;
}

std::string FormatConfiguredAddress(Ipv4Address a) {
    if (a.isUnconfigured()) return "Not Configuration";
    return a.text();
}

std::string FormatVersion(std::uint8_t major, std::uint8_t minor) {
    if (major == 0 && minor == 0) return "N/A";
    char text[8];
    std::snprintf(text, sizeof text, "%d.%d", major, minor);
    return text;
}

std::array<std::string, 7> DeviceRowTexts(int number, const DiscoveredDevice& device) {
    return {std::to_string(number),
            FormatMacLower(device.macAddress()),
            FormatConfiguredAddress(device.ipAddress()),
            FormatConfiguredAddress(device.subnetMask()),
            FormatConfiguredAddress(device.gateway()),
            std::to_string(device.port()),
            FormatVersion(device.firmwareMajor(), device.firmwareMinor())};
}

namespace {
template <std::size_t N>
std::uint64_t BigEndianValue(const std::array<std::uint8_t, N>& bytes) {
    std::uint64_t value = 0;
    for (const auto b : bytes) value = value << 8 | b;
    return value;
}
}  // namespace

std::array<std::uint64_t, 7> DeviceRowSortKeys(int number, const DiscoveredDevice& device) {
    return {static_cast<std::uint64_t>(number),
            BigEndianValue(device.macAddress()),
            device.ipAddress().value(),
            device.subnetMask().value(),
            device.gateway().value(),
            device.port(),
            static_cast<std::uint64_t>(device.firmwareMajor()) << 8 | device.firmwareMinor()};
}

std::uint8_t BaudCodeForIndex(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= std::size(kBaudCodes)) return 0x00;
    return kBaudCodes[index];
}

int IndexForBaudCode(std::uint8_t code) {
    const auto* it = std::find(std::begin(kBaudCodes), std::end(kBaudCodes), code);
    return it == std::end(kBaudCodes) ? -1 : static_cast<int>(it - std::begin(kBaudCodes));
}

}  // namespace corvane::link
