#include "link/framing.h"

#include <gtest/gtest.h>

#include <string>

using namespace corvane;
using namespace corvane::link;

namespace {

std::string FrameText(const Bytes& frame) {
    // The hexadecimal text between the three header bytes and the end byte.
    return {frame.begin() + 3, frame.end() - 1};
}

}  // namespace

TEST(Framing, TagOnlyRequestsMatchKnownChecksums) {
    const Bytes sysReq = BuildTagOnlyMessage(tag::kSysReq);
    ASSERT_EQ(sysReq.size(), 20u);
    EXPECT_EQ(Bytes(sysReq.begin() + 18, sysReq.end()), (Bytes{0xDE, 0xFA}));

    const Bytes frame = EncodeFrame(sysReq);
    ASSERT_EQ(frame.size(), 44u);
    EXPECT_EQ(Bytes(frame.begin(), frame.begin() + 3), (Bytes{0x1F, 0x57, 0x43}));
    EXPECT_EQ(frame.back(), 0x03);
    EXPECT_EQ(FrameText(frame), "5f5f5b495f465d5f5f5b5359535f5245515d-e/a");

    const std::string getText = FrameText(EncodeFrame(BuildTagOnlyMessage(tag::kIfGet)));
    EXPECT_EQ(getText.substr(getText.size() - 4), ".50d");
}

TEST(Framing, OddContentGetsOnePadByteAndVerifies) {
    for (const std::size_t recordSize : {603u, 616u}) {
        Bytes content = ToBytes(tag::kIfSet);
        for (std::size_t i = 0; i < recordSize; ++i) content.push_back(static_cast<std::uint8_t>(i * 7));
        const Bytes message = BuildIfMessage(content);
        const std::size_t expected = recordSize == 603 ? 624 : 636;
        ASSERT_EQ(message.size(), expected);
        if (recordSize == 603) {
            EXPECT_EQ(message[621], 0);
        }
        EXPECT_EQ(InternetChecksum(message), 0);
        EXPECT_TRUE(VerifyIfMessage(message, tag::kIfSet));
        EXPECT_FALSE(VerifyIfMessage(message, tag::kIfCur));
    }
}

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

TEST(Framing, EveryByteValueRoundTrips) {
    Bytes all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<std::uint8_t>(b));
    const Bytes frame = EncodeFrame(all);
    EXPECT_EQ(DecodeFrameText(frame), all);

    const std::string text = FrameText(frame);
    EXPECT_EQ(text.substr(2 * 0x80, 2), "(0");
    EXPECT_EQ(text.substr(2 * 0x9A, 2), ")a");
    EXPECT_EQ(text.substr(2 * 0xC0, 2), ",0");
    EXPECT_EQ(text.substr(2 * 0xFF, 2), "/f");
}

TEST(Framing, PlainLowercaseHexAlsoDecodes) {
    const Bytes reply = ToBytes(
        "\x1fWM"
        "de-e5f"
        "\x03");
    EXPECT_EQ(DecodeFrameText(reply), (Bytes{0xDE, 0xDE, 0x5F}));
}

TEST(Framing, DecodeTakesWholePairsAndStopsAtOutput) {
    EXPECT_TRUE(DecodeFrameText(ToBytes("\x1fWM")).empty());
    EXPECT_TRUE(DecodeFrameText(ToBytes("ab")).empty());
    EXPECT_EQ(DecodeFrameText(ToBytes("\x1fWM41")).size(), 1u);
    EXPECT_EQ(DecodeFrameText(ToBytes("\x1fWM414")).size(), 1u);

    std::array<std::uint8_t, 2> small{};
    EXPECT_EQ(DecodeFrameText(AsBytes("\x1fWM414243\x03"), MutableByteSpan(small)), 2u);
    EXPECT_EQ(small[1], 0x42);
}

TEST(Framing, Crc32CheckValue) {
    EXPECT_EQ(FrameCrc32(AsBytes("123456789")), 0x89A1897Fu);
    EXPECT_EQ(AppendCrc32(AsBytes("123456789")), ToBytes("123456789\x89\xA1\x89\x7F"));
}

TEST(Framing, ModeCommandAndAcknowledgement) {
    const auto command = ModeCommand(kModeConfig);
    EXPECT_EQ(Bytes(command.begin(), command.end()), (Bytes{0x1F, 0x57, 0x43, 0x7F, 0x1D, 0x1F, 0x03}));
    EXPECT_TRUE(IsModeAcknowledged(Bytes{0x1F, 0x57, 0x4D, 0x7F}));
    EXPECT_FALSE(IsModeAcknowledged(Bytes{0x1F, 0x57, 0x4D}));
    EXPECT_FALSE(IsModeAcknowledged(Bytes{0x1F, 0x57, 0x43, 0x7F}));
    EXPECT_FALSE(IsModeAcknowledged(Bytes{0x1F, 0x57, 0x4D, 0x81}));
}
