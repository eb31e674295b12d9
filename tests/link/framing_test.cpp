// Framing beyond the pinned messages: padding, buffer bounds, every byte
// value through the frame text and the mode acknowledgement.
#include "link/framing.h"

#include <gtest/gtest.h>

#include <string>

using namespace corvane;
using namespace corvane::link;

// Odd content (the older record) gets one zero pad byte before the checksum.
TEST(Framing, OddContentGetsOnePadByteAndVerifies) {
    for (const auto& [recordSize, messageSize] : {std::pair{603u, 624u}, std::pair{616u, 636u}}) {
        Bytes content = ToBytes(tag::kIfSet);
        for (std::size_t i = 0; i < recordSize; ++i) content.push_back(static_cast<std::uint8_t>(i * 7 + 1));
        const Bytes message = BuildIfMessage(content);
        ASSERT_EQ(message.size(), messageSize);
        EXPECT_TRUE(recordSize == 616 || message[621] == 0) << "pad byte";
        EXPECT_TRUE(VerifyIfMessage(message, tag::kIfSet));
        EXPECT_FALSE(VerifyIfMessage(message, tag::kIfCur));
    }
}

// Builders fail instead of writing past a caller's buffer.
TEST(Framing, BuildFailsInsteadOfOverflowing) {
    std::array<std::uint8_t, 20> exact{};
    EXPECT_EQ(BuildIfMessage(MutableByteSpan(exact), AsBytes(tag::kSysReq)), 20);
    std::array<std::uint8_t, 19> tooSmall{};
    EXPECT_EQ(BuildIfMessage(MutableByteSpan(tooSmall), AsBytes(tag::kSysReq)), -1);
    std::array<std::uint8_t, 43> frameTooSmall{};
    EXPECT_EQ(EncodeFrame(MutableByteSpan(frameTooSmall), BuildTagOnlyMessage(tag::kSysReq)), -1);
    EXPECT_TRUE(EncodeFrame(Bytes(kMaxFrameMessage + 1, 0x11)).empty());
    EXPECT_EQ(EncodeFrame(Bytes(kMaxFrameMessage, 0x11)).size(), kFrameBufferSize);
    std::array<std::uint8_t, 12> crcTooSmall{};
    EXPECT_EQ(AppendCrc32(MutableByteSpan(crcTooSmall), AsBytes("123456789")), -1);
}

// High nibbles 8..F are written "(".."/"; every byte value comes back.
TEST(Framing, EveryByteValueRoundTrips) {
    Bytes all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<std::uint8_t>(b));
    const Bytes frame = EncodeFrame(all);
    EXPECT_EQ(DecodeFrameText(frame), all);
    const std::string text(frame.begin() + 3, frame.end() - 1);
    for (const auto& [byte, pair] : {std::pair{0x80, "(0"}, {0x9A, ")a"}, {0xC0, ",0"}, {0xFF, "/f"}})
        EXPECT_EQ(text.substr(2 * byte, 2), pair);
}

// Replies in plain lowercase hex decode too; only whole pairs count, and a
// small output buffer is filled, never passed.
TEST(Framing, DecodeTakesPlainHexWholePairsAndStopsAtOutput) {
    EXPECT_EQ(DecodeFrameText(ToBytes("\x1fWMde-e5f\x03")), (Bytes{0xDE, 0xDE, 0x5F}));
    EXPECT_TRUE(DecodeFrameText(ToBytes("\x1fWM")).empty());
    EXPECT_TRUE(DecodeFrameText(ToBytes("ab")).empty());
    EXPECT_EQ(DecodeFrameText(ToBytes("\x1fWM41")).size(), 1u);
    EXPECT_EQ(DecodeFrameText(ToBytes("\x1fWM414")).size(), 1u);
    std::array<std::uint8_t, 2> small{};
    EXPECT_EQ(DecodeFrameText(AsBytes("\x1fWM414243\x03"), MutableByteSpan(small)), 2u);
    EXPECT_EQ(small[1], 0x42);
}

// The acknowledgement needs the reply header and the mode byte sent.
TEST(Framing, ModeAcknowledgement) {
    EXPECT_TRUE(IsModeAcknowledged(Bytes{0x1F, 0x57, 0x4D, 0x7F}));
    EXPECT_FALSE(IsModeAcknowledged(Bytes{0x1F, 0x57, 0x4D}));
    EXPECT_FALSE(IsModeAcknowledged(Bytes{0x1F, 0x57, 0x43, 0x7F}));
    EXPECT_FALSE(IsModeAcknowledged(Bytes{0x1F, 0x57, 0x4D, 0x81}));
}
