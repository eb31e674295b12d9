#include "link/framing.h"

#include <algorithm>
#include <limits>

namespace corvane::link {

namespace {

constexpr std::array<std::uint8_t, 3> kModeTail{0x1D, 0x1F, 0x03};

std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t value = i << 24;
        for (int bit = 0; bit < 8; ++bit) {
            const bool top = (value & 0x80000000u) != 0;
            value <<= 1;
            if (top) value ^= 0x04C11DB7u;
        }
        table[i] = value;
    }
    return table;
}

void PutHexPair(std::uint8_t byte, std::uint8_t* out) {
    // The high half is taken from the byte read as signed, so 0x80..0xFF give
    // -8..-1 and are written "(" .. "/": the printer's firmware expects that.
    const int high = static_cast<std::int8_t>(byte) >> 4;
    out[0] = static_cast<std::uint8_t>(HexDigit(high));
    out[1] = static_cast<std::uint8_t>(HexDigit(byte & 0x0F));
}

}  // namespace

std::array<std::uint8_t, 7> ModeCommand(std::uint8_t mode) {
    return {kFrameHeader[0], kFrameHeader[1], kFrameHeader[2], mode, kModeTail[0], kModeTail[1], kModeTail[2]};
}

bool IsModeAcknowledged(ByteSpan reply, std::uint8_t mode) {
    return reply.size() >= 4 && std::equal(kReplyHeader.begin(), kReplyHeader.end(), reply.begin()) && reply[3] == mode;
}

std::uint16_t InternetChecksum(ByteSpan data) {
    const std::size_t length = data.size() & 0xFFFF;
    std::uint32_t sum = 0;
    std::size_t i = 0;
    for (; i + 1 < length; i += 2) sum += (std::uint32_t{data[i]} << 8) | data[i + 1];
    if (i < length) sum += std::uint32_t{data[i]} << 8;
    sum = (sum >> 16) + (sum & 0xFFFF);
    sum = (sum >> 16) + (sum & 0xFFFF);
    return static_cast<std::uint16_t>(~sum & 0xFFFF);
}

int BuildIfMessage(MutableByteSpan destination, ByteSpan content) {
    const std::size_t padded = content.size() + (content.size() % 2);
    const std::size_t total = padded + 2;
    if (total > destination.size() || total > 0xFFFF) return -1;

    std::copy(content.begin(), content.end(), destination.begin());
    std::fill(destination.begin() + static_cast<std::ptrdiff_t>(content.size()),
              destination.begin() + static_cast<std::ptrdiff_t>(total), std::uint8_t{0});
    const std::uint16_t sum = InternetChecksum(destination.first(total));
    destination[padded] = static_cast<std::uint8_t>(sum >> 8);
    destination[padded + 1] = static_cast<std::uint8_t>(sum & 0xFF);
    if (InternetChecksum(destination.first(total)) != 0) return -1;
    return static_cast<int>(total);
}

Bytes BuildIfMessage(ByteSpan content) {
    Bytes message(content.size() + (content.size() % 2) + 2);
    const int length = BuildIfMessage(MutableByteSpan(message), content);
    if (length < 0) return {};
    return message;
}

Bytes BuildTagOnlyMessage(std::string_view tag) { return BuildIfMessage(AsBytes(tag)); }

bool VerifyIfMessage(ByteSpan message, std::string_view expectedTag) {
    if (message.size() < expectedTag.size()) return false;
    if (InternetChecksum(message) != 0) return false;
    const auto expected = AsBytes(expectedTag);
    return std::equal(expected.begin(), expected.end(), message.begin());
}

char HexDigit(int v) { return static_cast<char>(v < 10 ? 0x30 + v : 0x57 + v); }

int HexValue(char ch) {
    // Compared as a signed character, so every byte from 0x80 up lands in the
    // digit branch, as the printer's encoder assumes.
    const int c = static_cast<signed char>(ch);
    return c <= 0x39 ? c - 0x30 : c - 0x57;
}

int EncodeFrame(MutableByteSpan frame, ByteSpan message) {
    if (frame.size() < 4 || message.size() > (frame.size() - 4) / 2) return -1;
    std::fill(frame.begin(), frame.end(), std::uint8_t{0});
    std::copy(kFrameHeader.begin(), kFrameHeader.end(), frame.begin());
    std::uint8_t* text = frame.data() + kFrameHeader.size();
    for (std::size_t i = 0; i < message.size(); ++i) PutHexPair(message[i], text + 2 * i);
    const std::size_t endAt = kFrameHeader.size() + 2 * message.size();
    frame[endAt] = kFrameEnd;
    return static_cast<int>(endAt + 1);
}

Bytes EncodeFrame(ByteSpan message) {
    if (message.size() > kMaxFrameMessage) return {};
    Bytes frame(2 * message.size() + 4);
    if (EncodeFrame(MutableByteSpan(frame), message) < 0) return {};
    return frame;
}

std::size_t DecodeFrameText(ByteSpan frame, MutableByteSpan output) {
    if (frame.size() < 3) return 0;
    const std::size_t count = std::min((frame.size() - 3) / 2, output.size());
    for (std::size_t i = 0; i < count; ++i) {
        const int high = HexValue(static_cast<char>(frame[3 + 2 * i]));
        const int low = HexValue(static_cast<char>(frame[4 + 2 * i]));
        output[i] = static_cast<std::uint8_t>(((high * 16) | low) & 0xFF);
    }
    return count;
}

Bytes DecodeFrameText(ByteSpan frame) {
    Bytes message(frame.size() < 3 ? 0 : (frame.size() - 3) / 2);
    DecodeFrameText(frame, MutableByteSpan(message));
    return message;
}

std::uint32_t FrameCrc32(ByteSpan data) {
    static const std::array<std::uint32_t, 256> table = MakeCrcTable();
    std::uint32_t crc = 0;
    for (const std::uint8_t byte : data) crc = (crc << 8) ^ table[((crc >> 24) ^ byte) & 0xFF];
    return crc;
}

int AppendCrc32(MutableByteSpan destination, ByteSpan content) {
    const std::size_t total = content.size() + 4;
    if (total > destination.size() || total > static_cast<std::size_t>(std::numeric_limits<int>::max())) return -1;
    std::copy(content.begin(), content.end(), destination.begin());
    const std::uint32_t crc = FrameCrc32(content);
    for (std::size_t i = 0; i < 4; ++i)
        destination[content.size() + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
    return static_cast<int>(total);
}

Bytes AppendCrc32(ByteSpan content) {
    Bytes message(content.size() + 4);
    if (AppendCrc32(MutableByteSpan(message), content) < 0) return {};
    return message;
}

}  // namespace corvane::link
