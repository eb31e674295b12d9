// The faults a simulated printer can be told to show, and the kinds of
// request they apply to. A fault switch names the request kinds it affects;
// an empty set means "none", KindSet::all() every kind.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/bytes.h"

namespace corvane::sim {

// Every request a printer answers, named as in the configuration file and on
// the command line.
enum class MessageKind : int {
    Find,    // "FIND"
    Sett,    // "SETT"
    PrtReg,  // "__[I_F]__[PRT_REG]"
    PrtSet,  // "__[I_F]__[PRT_SET]"
    Survey,  // BSS_REQ over TCP
    Status,  // GS a 0
    Maker,   // GS I 66
    Mode,    // ModeCommand 0x7F
    kSysReq,
    IfGet,
    IfSet,
    kBssReq,    // BSS_REQ over the direct link
    CertMode,   // ModeCommand 0x81..0x83
    CertChunk,  // FW_CERT / CERTEND
    Count
};

std::string_view KindName(MessageKind kind);
std::optional<MessageKind> KindFromName(std::string_view name);

class KindSet {
public:
    KindSet() = default;
    static KindSet all() {
        KindSet s;
        s.bits_ = (1u << static_cast<int>(MessageKind::Count)) - 1;
        return s;
    }
    void add(MessageKind k) { bits_ |= bit(k); }
    bool has(MessageKind k) const { return (bits_ & bit(k)) != 0; }
    bool empty() const { return bits_ == 0; }
    bool operator==(const KindSet&) const = default;

    // "all", "none", or names separated by commas; nullopt on an unknown name.
    static std::optional<KindSet> parse(std::string_view text);
    std::vector<std::string> names() const;

private:
    static std::uint32_t bit(MessageKind k) { return 1u << static_cast<int>(k); }
    std::uint32_t bits_ = 0;
};

struct Faults {
    KindSet silent;                    // no answer at all
    KindSet delayOn = KindSet::all();  // which answers `delayMs` holds back
    int delayMs = 0;
    KindSet corruptChecksum;       // last checksum byte of an IfMessage answer flipped
    KindSet truncate;              // only the first half of the answer is sent
    KindSet upperHex;              // reply frame text in upper-case hexadecimal
    KindSet duplicate;             // the same answer sent twice
    KindSet refuse;                // if_set, cert_chunk: answered with an error, nothing taken
    bool modeReply7E = false;      // ModeCommand acknowledged 1F 57 4D 7E
    bool shortWlanAnswer = false;  // registration answered with the bare 18-byte tag
    bool keepSettings = false;     // settings requests confirmed but not taken
    int withholdStrt = 0;          // certificate ModeCommands answered without "STRT"
    int certFailures = 0;          // non-success answers to one certificate chunk ...
    int certFailChunk = -1;        // ... to this chunk (from 0), -1 every chunk
    int flood = 0;                 // discovery answered with this many records
    int floodBurst = 32;           // flood records sent back to back ...
    int floodIntervalMs = 4;       // ... then this pause (5000 records take about 0.6 s)
    int pieces = 0;                // direct-link answers sent in this many pieces ...
    int pieceGapMs = 20;           // ... this far apart (0 or 1 piece: whole)
    // Acknowledgements (mode 7F, certificate start, certificate chunk
    // answers) followed this long after their last byte by `ackTail`; 0 none.
    int ackTailMs = 0;
    Bytes ackTail{0x1D, 0x1F, 0x03};
    int deafAfterAckMs = 0;  // input dropped for this long after an acknowledgement went out
    bool echo = false;       // every byte received on the direct link is sent back at once
    int restartMs = 0;       // LAN: after taking settings, deaf to searches this long

    bool operator==(const Faults&) const = default;
};

// One answer to write, after `delayMs` milliseconds; the printer then
// ignores its input for `deafMs`.
struct Outgoing {
    Bytes data;
    int delayMs = 0;
    int deafMs = 0;
    std::string from;  // the address it leaves from; empty: where the request arrived
};

// Applies the generic faults (silence, truncation, duplication, delay, pieces,
// a tail and deaf time after acknowledgements) to one answer of `kind` and appends what is to be sent to `out`.
void Deliver(const Faults& faults, MessageKind kind, Bytes answer, std::vector<Outgoing>& out);

// Flips the last byte of an IfMessage when `kind` is set for checksum corruption.
void MaybeCorruptChecksum(const Faults& faults, MessageKind kind, Bytes& message);

}  // namespace corvane::sim
