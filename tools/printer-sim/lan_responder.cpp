#include "lan_responder.h"

#include <cstdio>

#include <algorithm>

#include "link/framing.h"

namespace corvane::sim {

namespace {

using link::DiscoveredDevice;

bool StartsWith(ByteSpan data, std::string_view text) {
    return data.size() >= text.size() && std::equal(text.begin(), text.end(), data.begin(), [](char a, std::uint8_t b) {
               return static_cast<std::uint8_t>(a) == b;
           });
}

Bytes Concat(std::string_view tag, ByteSpan body) {
    Bytes out = ToBytes(tag);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

ByteSpan RecordBytes(const DiscoveredDevice& d) { return ByteSpan(d.raw.data(), d.size()); }

// A flood answers one discovery with `count` records that differ in the last
// three MAC bytes, paced in bursts so a reader on loopback keeps up.
void Flood(const Faults& f, MessageKind kind, std::string_view tag, DiscoveredDevice record,
           std::vector<Outgoing>& out) {
    const int count = std::min(f.flood, 0xFFFFFF);
    const int burst = std::max(1, f.floodBurst);
    const std::uint32_t base =
        (std::uint32_t{record.raw[3]} << 16) | (std::uint32_t{record.raw[4]} << 8) | record.raw[5];
    for (int i = 0; i < count; ++i) {
        const std::uint32_t low = (base + static_cast<std::uint32_t>(i)) & 0xFFFFFF;
        record.raw[3] = static_cast<std::uint8_t>(low >> 16);
        record.raw[4] = static_cast<std::uint8_t>(low >> 8);
        record.raw[5] = static_cast<std::uint8_t>(low);
        const auto before = out.size();
        Deliver(f, kind, Concat(tag, RecordBytes(record)), out);
        for (auto k = before; k < out.size(); ++k) out[k].delayMs += (i / burst) * f.floodIntervalMs;
    }
}

// Marks the answers appended since `first` as leaving from the printer's own address.
template <typename Printer>
void FromPrinter(const Printer& p, std::vector<Outgoing>& out, std::size_t first) {
    for (auto i = first; i < out.size(); ++i) out[i].from = p.answerFrom;
}

template <typename Printer>
void AnswerDiscoveryNow(const Printer& p, MessageKind kind, std::string_view tag, std::vector<Outgoing>& out) {
    if (p.faults.flood > 0) {
        Flood(p.faults, kind, tag, p.record, out);
        return;
    }
    if (kind == MessageKind::PrtReg && p.faults.shortWlanAnswer) {
        Deliver(p.faults, kind, ToBytes(tag), out);
        return;
    }
    Deliver(p.faults, kind, Concat(tag, RecordBytes(p.record)), out);
}

template <typename Printer>
void AnswerDiscovery(const Printer& p, MessageKind kind, std::string_view tag, std::vector<Outgoing>& out,
                     std::int64_t nowMs) {
    if (nowMs < p.quietUntilMs) return;
    const auto first = out.size();
    AnswerDiscoveryNow(p, kind, tag, out);
    FromPrinter(p, out, first);
}

// Takes the settings a request carries: addresses, port, baud code, DHCP and
// inactivity time. MAC, firmware version and the WLAN-only bytes stay the printer's own.
void ApplySettings(DiscoveredDevice& d, ByteSpan r) {
    d.setIpAddress({r[6], r[7], r[8], r[9]});
    d.setSubnetMask({r[10], r[11], r[12], r[13]});
    d.setGateway({r[14], r[15], r[16], r[17]});
    d.setPort(static_cast<std::uint16_t>((r[18] << 8) | r[19]));
    d.setBaudCode(r[20]);
    d.setDhcp(r[23] != 0);
    d.setInactivityTime(static_cast<std::uint16_t>((r[24] << 8) | r[25]));
}

template <typename Printer>
Printer* FindByMac(std::vector<Printer>& printers, ByteSpan record) {
    for (auto& p : printers)
        if (std::equal(record.begin(), record.begin() + 6, p.record.raw.begin())) return &p;
    return nullptr;
}

constexpr std::size_t kEthernetSettingsBytes = 26;

}  // namespace

std::vector<Outgoing> HandleEthernetDatagram(SimState& state, ByteSpan datagram, std::int64_t nowMs) {
    std::vector<Outgoing> out;
    if (StartsWith(datagram, link::kFindRequest)) {
        for (const auto& p : state.ethernet) AnswerDiscovery(p, MessageKind::Find, link::kFindAnswer, out, nowMs);
    } else if (StartsWith(datagram, link::kSettingsRequest) &&
               datagram.size() >= link::kSettingsRequest.size() + kEthernetSettingsBytes) {
        const auto record = datagram.subspan(link::kSettingsRequest.size(), kEthernetSettingsBytes);
        if (auto* p = FindByMac(state.ethernet, record); p && !p->faults.silent.has(MessageKind::Sett)) {
            if (!p->faults.keepSettings) ApplySettings(p->record, record);
            ++p->settingsApplied;
            std::fprintf(stderr, "sim: lan: took SETT\n");  // tests interrupt a tool once it has
            p->quietUntilMs = nowMs + p->faults.restartMs;
            Deliver(p->faults, MessageKind::Sett, Concat(link::kSettingsConfirm, record.first(6)), out);
            FromPrinter(*p, out, 0);
        }
    }
    return out;
}

std::vector<Outgoing> HandleWlanDatagram(SimState& state, ByteSpan datagram, std::int64_t nowMs) {
    std::vector<Outgoing> out;
    if (StartsWith(datagram, link::kRegisterRequest)) {
        for (const auto& p : state.wlan) AnswerDiscovery(p, MessageKind::PrtReg, link::kRegisterAnswer, out, nowMs);
    } else if (StartsWith(datagram, link::kWlanSetRequest) &&
               datagram.size() >= link::kWlanSetRequest.size() + DiscoveredDevice::kWlanSize) {
        const auto record = datagram.subspan(link::kWlanSetRequest.size(), DiscoveredDevice::kWlanSize);
        if (auto* p = FindByMac(state.wlan, record); p && !p->faults.silent.has(MessageKind::PrtSet)) {
            if (!p->faults.keepSettings) ApplySettings(p->record, record);
            ++p->settingsApplied;
            std::fprintf(stderr, "sim: lan: took PRT_SET\n");
            p->quietUntilMs = nowMs + p->faults.restartMs;
            Deliver(p->faults, MessageKind::PrtSet, Concat(link::kWlanSetConfirm, record.first(6)), out);
            FromPrinter(*p, out, 0);
        }
    }
    return out;
}

Bytes BuildSurveyResponse(const std::vector<AccessPoint>& survey) {
    Bytes content = ToBytes(link::tag::kBssRsp);
    for (const auto& ap : survey) {
        const auto nameLength = std::min<std::size_t>(ap.ssid.size(), 255);
        content.push_back(0x00);
        content.push_back(static_cast<std::uint8_t>(nameLength));
        content.insert(content.end(), ap.ssid.begin(), ap.ssid.begin() + static_cast<std::ptrdiff_t>(nameLength));
        content.push_back(0x01);
        content.push_back(6);
        content.insert(content.end(), ap.bssid.begin(), ap.bssid.end());
        content.push_back(ap.mode);
        const auto rssi = static_cast<std::uint16_t>(ap.rssi);
        content.push_back(static_cast<std::uint8_t>(rssi >> 8));
        content.push_back(static_cast<std::uint8_t>(rssi));
        content.push_back(ap.security);
    }
    return link::BuildIfMessage(content);
}

int SurveyRequestLength(ByteSpan request) {
    const auto expected = link::BuildTagOnlyMessage(link::tag::kBssReq);
    const auto n = std::min(request.size(), expected.size());
    if (!std::equal(request.begin(), request.begin() + static_cast<std::ptrdiff_t>(n), expected.begin())) return -1;
    return n == expected.size() ? static_cast<int>(n) : 0;
}

std::vector<Outgoing> AnswerSurvey(const SimState& state, std::size_t index) {
    std::vector<Outgoing> out;
    if (index >= state.wlan.size()) return out;
    const auto& p = state.wlan[index];
    auto message = BuildSurveyResponse(p.survey);
    MaybeCorruptChecksum(p.faults, MessageKind::Survey, message);
    Deliver(p.faults, MessageKind::Survey, std::move(message), out);
    return out;
}

std::size_t SurveyPrinterFor(const SimState& state, std::uint32_t localAddress) {
    for (std::size_t i = 0; i < state.wlan.size(); ++i) {
        if (state.wlan[i].record.ipAddress().value() == localAddress) return i;
    }
    return 0;
}

}  // namespace corvane::sim
