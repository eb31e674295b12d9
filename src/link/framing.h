// Direct-link framing: the tagged IfMessage with its Internet checksum, the
// printer-command frame that carries a message as hexadecimal text, the mode
// command that opens each exchange, and the CRC-32 of certificate chunks.
//
// Every function works on caller-given buffers and never reads or writes past
// the spans it is given; where the output would not fit it fails instead.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "link/bytes.h"

namespace corvane::link {

inline constexpr std::size_t kTagLength = 18;
inline constexpr std::size_t kFrameBufferSize = 8192;                        // one frame sent or read
inline constexpr std::size_t kMessageAreaSize = 4096;                        // where IF__SET is built
inline constexpr std::size_t kMaxFrameMessage = (kFrameBufferSize - 4) / 2;  // 4094

inline constexpr std::array<std::uint8_t, 3> kFrameHeader{0x1F, 0x57, 0x43};
inline constexpr std::array<std::uint8_t, 3> kReplyHeader{0x1F, 0x57, 0x4D};
inline constexpr std::uint8_t kFrameEnd = 0x03;

// Mode bytes of the ModeCommand.
inline constexpr std::uint8_t kModeConfig = 0x7F;
inline constexpr std::uint8_t kModeCertificateBase = 0x80;  // + certificate type 1..3

// The tags of the direct-link and survey messages.
namespace tag {
inline constexpr std::string_view kSysReq = "__[I_F]__[SYS_REQ]";
inline constexpr std::string_view kSysRsp = "__[I_F]__[SYS_RSP]";
inline constexpr std::string_view kIfGet = "__[I_F]__[IF__GET]";
inline constexpr std::string_view kIfCur = "__[I_F]__[IF__CUR]";
inline constexpr std::string_view kIfSet = "__[I_F]__[IF__SET]";
inline constexpr std::string_view kIfSuc = "__[I_F]__[IF__SUC]";
inline constexpr std::string_view kBssReq = "__[I_F]__[BSS_REQ]";
inline constexpr std::string_view kBssRsp = "__[I_F]__[BSS_RSP]";
inline constexpr std::string_view kFwCert = "__[I_F]__[FW_CERT]";
inline constexpr std::string_view kCertEnd = "__[I_F]__[CERTEND]";
}  // namespace tag

// The 7-byte command 1F 57 43 <mode> 1D 1F 03, sent as it stands.
std::array<std::uint8_t, 7> ModeCommand(std::uint8_t mode);

// True when `reply` begins with kReplyHeader followed by `mode`.
bool IsModeAcknowledged(ByteSpan reply, std::uint8_t mode = kModeConfig);

// RFC 1071 checksum, words read most significant byte first; an odd last byte
// is the high byte of a final word. Length is taken modulo 65536.
std::uint16_t InternetChecksum(ByteSpan data);

// Builds content + optional zero pad + checksum into `destination`. Returns the
// message length, or -1 when it does not fit or the self-check fails.
int BuildIfMessage(MutableByteSpan destination, ByteSpan content);
// Convenience: the message as a new buffer (empty on failure).
Bytes BuildIfMessage(ByteSpan content);
// The request with the tag alone and no body (20 bytes).
Bytes BuildTagOnlyMessage(std::string_view tag);

// A received message is good when its checksum over all bytes is 0 and it
// begins with `expectedTag`.
bool VerifyIfMessage(ByteSpan message, std::string_view expectedTag);

// One character of the frame's hexadecimal text for v in -8..15.
char HexDigit(int v);
// The value of one character of the text (never fails).
int HexValue(char ch);

// Writes the whole PrinterCommandFrame (kFrameHeader, 2m hex characters,
// kFrameEnd) for `message` into `frame`, clearing the rest of `frame` first.
// Returns the frame length 2m + 4, or -1 when it would not fit.
int EncodeFrame(MutableByteSpan frame, ByteSpan message);
// The frame as a new buffer; empty when the message is longer than
// kMaxFrameMessage, the most one frame buffer can carry.
Bytes EncodeFrame(ByteSpan message);

// Decodes (r - 3) / 2 bytes from offset 3 of a reply of r bytes into `output`,
// at most output.size(). Returns the number of bytes written.
std::size_t DecodeFrameText(ByteSpan frame, MutableByteSpan output);
Bytes DecodeFrameText(ByteSpan frame);

// CRC-32, polynomial 0x04C11DB7, not reflected, initial value 0, no final XOR.
std::uint32_t FrameCrc32(ByteSpan data);
// Copies `content` to `destination` and appends its FrameCrc32 (most
// significant byte first). Returns content length + 4, or -1 when it does not fit.
int AppendCrc32(MutableByteSpan destination, ByteSpan content);
Bytes AppendCrc32(ByteSpan content);

}  // namespace corvane::link
