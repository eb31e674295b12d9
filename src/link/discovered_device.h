// Printers found on the LAN: the record each one sends back to discovery,
// the two program-wide lists, and the UDP messages of search and settings.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "link/bytes.h"
#include "link/ipv4_address.h"
#include "link/string_table.h"

namespace corvane::link {

enum class ListMode : int { Ethernet = 0, Wlan = 1 };

inline constexpr std::string_view kFindRequest = "FIND";
inline constexpr std::string_view kFindAnswer = "IMIN";
inline constexpr std::string_view kSettingsRequest = "SETT";
inline constexpr std::string_view kSettingsConfirm = "SETC";
inline constexpr std::string_view kRegisterRequest = "__[I_F]__[PRT_REG]";
inline constexpr std::string_view kRegisterAnswer = "__[I_F]__[REG_RSP]";
inline constexpr std::string_view kWlanSetRequest = "__[I_F]__[PRT_SET]";
inline constexpr std::string_view kWlanSetConfirm = "__[I_F]__[SET_RSP]";

// Default UDP endpoints.
inline constexpr std::uint16_t kEthernetRemotePort = 48781;
inline constexpr std::uint16_t kEthernetLocalPort = 48780;
inline constexpr std::uint16_t kWlanRemotePort = 3337;
inline constexpr std::uint16_t kWlanLocalPort = 9000;
inline constexpr std::uint16_t kSurveyPort = 3318;
inline constexpr std::string_view kBroadcastHost = "255.255.255.255";
inline constexpr std::size_t kDatagramBuffer = 512;

// One answering printer: 27 record bytes (Ethernet) or 29 (WLAN). The raw
// bytes are kept so the settings request can send them back unchanged.
struct DiscoveredDevice {
    static constexpr std::size_t kEthernetSize = 27;
    static constexpr std::size_t kWlanSize = 29;

    std::array<std::uint8_t, kWlanSize> raw{};
    ListMode mode = ListMode::Ethernet;
    // Where the answer came from, beside the record: the sender's address,
    // and whether the request reached the printer by its own address
    // (unicast, e.g. across routers) rather than by broadcast. A printer
    // reached by unicast gets its settings request there too.
    std::string answeredFrom;
    bool unicast = false;
    // The local adapter the answer came in on ("10.0.0.5 eth0"), when the
    // search went out on several at once; empty otherwise.
    std::string adapter;
    // The local address the search that found it was bound to (empty when
    // the system chose the interface). Requests to this printer leave there.
    std::string localAddress;

    std::size_t size() const { return mode == ListMode::Wlan ? kWlanSize : kEthernetSize; }

    // The record's bytes stay as the printer sent them; the addresses are
    // read from and written to them in wire order.
    MacAddress macAddress() const;
    Ipv4Address ipAddress() const;
    Ipv4Address subnetMask() const;
    Ipv4Address gateway() const;
    std::uint16_t port() const;
    std::uint8_t baudCode() const;
    std::uint8_t firmwareMajor() const;
    std::uint8_t firmwareMinor() const;
    bool dhcp() const;
    std::uint16_t inactivityTime() const;
    bool httpsEnabled() const;
    std::uint8_t featureCode() const;   // WLAN only, 0 for Ethernet
    std::uint8_t reservedByte() const;  // WLAN only

    void setIpAddress(Ipv4Address a);
    void setSubnetMask(Ipv4Address a);
    void setGateway(Ipv4Address a);
    void setPort(std::uint16_t port);
    void setBaudCode(std::uint8_t code);
    void setDhcp(bool on);
    void setInactivityTime(std::uint16_t seconds);
};

// A program-wide list of one mode: records in order of arrival, numbered from 1.
class DeviceList {
public:
    void appendDevice(const DiscoveredDevice& record) { devices_.push_back(record); }
    // One row per printer and adapter: a record whose MAC and adapter are
    // already listed replaces that row's record in place (a duplicated
    // datagram, an address listed twice, a second route); any other is
    // appended.
    void addOrUpdate(const DiscoveredDevice& record);
    // The n-th record (from 1), or nullptr; the caller may change it in place.
    DiscoveredDevice* deviceAt(int n);
    const DiscoveredDevice* deviceAt(int n) const;
    void clearDevices() { devices_.clear(); }
    std::size_t size() const { return devices_.size(); }

private:
    std::deque<DiscoveredDevice> devices_;  // stable addresses for in-place edits
};

// "FIND" or "__[I_F]__[PRT_REG]".
Bytes BuildDiscoveryRequest(ListMode mode);

// What one received datagram means to a running search.
struct DiscoveryAnswer {
    enum class Kind { Device, Ignore, EndSearch } kind = Kind::Ignore;
    DiscoveredDevice device;  // valid when kind == Device
};
// Applies the acceptance rules: at most 512 bytes are looked at; Ethernet
// needs 5 bytes and "IMIN"; WLAN ends the search below 19 bytes and needs
// "__[I_F]__[REG_RSP]". Missing record bytes read as 0.
DiscoveryAnswer ClassifyDiscoveryAnswer(ListMode mode, ByteSpan datagram);

// "SETT" + bytes 0-25 (30 bytes) or "__[I_F]__[PRT_SET]" + bytes 0-28 (47 bytes).
Bytes BuildSettingsRequest(const DiscoveredDevice& device);

// A settings confirmation: the message to show (LAN or WLAN configuration
// completed), or nullopt when the datagram is not one.
std::optional<StringId> ClassifySettingsAnswer(ListMode mode, ByteSpan datagram);

// The device list's row texts: No, Mac Address, IP, Subnet, Gateway, Port, Version.
std::array<std::string, 7> DeviceRowTexts(int number, const DiscoveredDevice& device);
// What the device list sorts each column by: the number, the MAC, the
// addresses and the port as numbers, the version by major then minor.
std::array<std::uint64_t, 7> DeviceRowSortKeys(int number, const DiscoveredDevice& device);
// "%d.%d.%d.%d", or "Not Configuration" when the first part is 0.
std::string FormatConfiguredAddress(Ipv4Address a);
std::string FormatVersion(std::uint8_t major, std::uint8_t minor);  // "N/A" for 0.0

// The baud list of the settings window: index 0..8 -> code; other -> 0x00.
inline constexpr std::array<std::string_view, 9> kBaudEntries{"1200",  "2400",  "4800",   "9600",  "19200",
                                                              "38400", "57600", "115200", "230400"};
std::uint8_t BaudCodeForIndex(int index);
// The index of a code, or -1 when the code is not in the table.
int IndexForBaudCode(std::uint8_t code);

}  // namespace corvane::link
