#include "sim_faults.h"

#include <algorithm>
#include <array>

namespace corvane::sim {

namespace {
constexpr std::array<std::string_view, static_cast<int>(MessageKind::Count)> kNames{
    "find", "sett",    "prt_reg", "prt_set", "survey",  "status",    "maker",
    "mode", "sys_req", "if_get",  "if_set",  "bss_req", "cert_mode", "cert_chunk"};
}

std::string_view KindName(MessageKind kind) {
    const int i = static_cast<int>(kind);
    return i >= 0 && i < static_cast<int>(kNames.size()) ? kNames[static_cast<std::size_t>(i)] : "";
}

std::optional<MessageKind> KindFromName(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (kNames[i] == name) return static_cast<MessageKind>(i);
    return std::nullopt;
}

std::optional<KindSet> KindSet::parse(std::string_view text) {
    if (text == "all") return all();
    KindSet set;
    if (text.empty() || text == "none") return set;
    while (!text.empty()) {
        const auto comma = text.find(',');
        const auto name = text.substr(0, comma);
        const auto kind = KindFromName(name);
        if (!kind) return std::nullopt;
        set.add(*kind);
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return set;
}

std::vector<std::string> KindSet::names() const {
    std::vector<std::string> out;
    for (int i = 0; i < static_cast<int>(MessageKind::Count); ++i)
        if (has(static_cast<MessageKind>(i))) out.emplace_back(kNames[static_cast<std::size_t>(i)]);
    return out;
}

namespace {

bool IsLinkKind(MessageKind kind) { return kind >= MessageKind::Status && kind < MessageKind::Count; }

bool IsAcknowledgement(MessageKind kind) {
    return kind == MessageKind::Mode || kind == MessageKind::CertMode || kind == MessageKind::CertChunk;
}

// Appends `answer` from `delay` on, whole or in pieces; the time after its
// last piece.
int Push(const Faults& faults, MessageKind kind, const Bytes& answer, int delay, std::vector<Outgoing>& out) {
    const std::size_t wanted = IsLinkKind(kind) ? static_cast<std::size_t>(std::max(faults.pieces, 1)) : 1;
    const std::size_t pieces = std::max<std::size_t>(1, std::min(wanted, answer.size()));
    for (std::size_t i = 0; i < pieces; ++i) {
        const auto begin = answer.begin() + static_cast<std::ptrdiff_t>(answer.size() * i / pieces);
        const auto end = answer.begin() + static_cast<std::ptrdiff_t>(answer.size() * (i + 1) / pieces);
        out.push_back({Bytes(begin, end), delay, 0, {}});
        if (i + 1 < pieces) delay += faults.pieceGapMs;
    }
    return delay;
}

}  // namespace

void Deliver(const Faults& faults, MessageKind kind, Bytes answer, std::vector<Outgoing>& out) {
    if (faults.silent.has(kind)) return;
    if (faults.truncate.has(kind) && answer.size() > 1) answer.resize(answer.size() / 2);
    const int delay = faults.delayOn.has(kind) ? faults.delayMs : 0;
    int after = Push(faults, kind, answer, delay, out);
    if (faults.duplicate.has(kind)) after = Push(faults, kind, answer, after, out);
    if (!IsAcknowledgement(kind) || out.empty()) return;
    out.back().deafMs = faults.deafAfterAckMs;
    if (faults.ackTailMs > 0 && !faults.ackTail.empty())
        out.push_back({faults.ackTail, after + faults.ackTailMs, 0, {}});
}

void MaybeCorruptChecksum(const Faults& faults, MessageKind kind, Bytes& message) {
    if (faults.corruptChecksum.has(kind) && !message.empty()) message.back() ^= 0x5A;
}

}  // namespace corvane::sim
