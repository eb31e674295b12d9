// Framing beyond the pinned messages: buffer bounds, every byte value
// through the frame text, the mode acknowledgement and when a reply counts
// as whole. (The pad byte of the older record: SendConfig in tests/exchange.)
#include "link/framing.h"

#include <gtest/gtest.h>

#include <string>

#include "exchange/printer_replies.h"
#include "link/reply_shape.h"

using namespace corvane;
using namespace corvane::link;

// Builders fail instead of writing past a caller's buffer.
TEST(Framing, BuildAndDecodeStayInTheirBuffersAndEveryByteValueRoundTrips) {
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

    // High nibbles 8..F are written "(".."/"; every byte value comes back.
    Bytes all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<std::uint8_t>(b));
    const Bytes frame = EncodeFrame(all);
    EXPECT_EQ(DecodeFrameText(frame), all);
    const std::string text(frame.begin() + 3, frame.end() - 1);
    for (const auto& [byte, pair] : {std::pair{0x80, "(0"}, {0x9A, ")a"}, {0xC0, ",0"}, {0xFF, "/f"}})
        EXPECT_EQ(text.substr(2 * byte, 2), pair);

    // Replies in plain lowercase hex decode too; only whole pairs count, and a
    // small output buffer is filled, never passed.
    EXPECT_EQ(DecodeFrameText(ToBytes("\x1fWMde-e5f\x03")), (Bytes{0xDE, 0xDE, 0x5F}));
    EXPECT_TRUE(DecodeFrameText(ToBytes("\x1fWM")).empty());
    EXPECT_TRUE(DecodeFrameText(ToBytes("ab")).empty());
    EXPECT_EQ(DecodeFrameText(ToBytes("\x1fWM414")).size(), 1u);
    std::array<std::uint8_t, 2> small{};
    EXPECT_EQ(DecodeFrameText(AsBytes("\x1fWM414243\x03"), MutableByteSpan(small)), 2u);
    EXPECT_EQ(small[1], 0x42);
}

// A reply is proved whole only once every byte its exchange judges it by is
// in and, for a frame, verified; a mode acknowledgement never is ("and
// whatever follows": the line's silence ends it). Bytes before the reply
// header (an echo, a late tail) are skipped, and FrameIn gives the frame alone.
// The acknowledgement needs the reply header and the mode byte sent.
TEST(ReplyShape, WholeOnlyWhenTheShapeProvesItAndFoundBehindEchoOrTail) {
    using link::testing::Reply;
    const Bytes frame = link::testing::ReplyFrame(BuildTagOnlyMessage(tag::kIfSuc));
    const Bytes name = link::testing::MakerName();
    const Bytes tail{0x7F, 0x1D, 0x1F, 0x03};
    auto join = [](std::initializer_list<Bytes> parts) {
        Bytes all;
        for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
        return all;
    };
    const Bytes echo = EncodeFrame(BuildTagOnlyMessage(tag::kSysReq));
    const struct {
        const char* name;
        ReplyShape shape;
        Bytes received;
        bool complete;
    } cases[] = {
        {"frame", ReplyShape::Frame, frame, true},
        {"frame without its end byte", ReplyShape::Frame, Bytes(frame.begin(), frame.end() - 1), false},
        {"frame with a broken checksum", ReplyShape::Frame, link::testing::Corrupted(frame, frame.size() - 2), false},
        {"end byte inside the header", ReplyShape::Frame, {0x1F, 0x57, 0x03}, false},
        {"four-byte tail ending in 03", ReplyShape::Frame, tail, false},
        {"empty frame", ReplyShape::Frame, Reply("\x03"), false},
        {"echo, tail, frame, more", ReplyShape::Frame, join({echo, tail, frame, tail}), true},
        {"maker name", ReplyShape::MakerName, name, true},
        {"status byte, then the name", ReplyShape::MakerName, {0x00, 0x14, 0x5F, 'Z', 0x00}, true},
        {"name still coming", ReplyShape::MakerName, Bytes(name.begin(), name.end() - 1), false},
        {"zero before the marker only", ReplyShape::MakerName, {0x00, 0x5F, 'Z'}, false},
        {"mode acknowledgement", ReplyShape::ModeAck, Reply("\x7F"), false},
        {"start word", ReplyShape::CertificateStart, Reply("STRT"), false},
        {"chunk answer behind a tail", ReplyShape::CertificateAnswer, join({tail, Reply(tag::kIfSuc)}), true},
        {"chunk answer, 17 letters", ReplyShape::CertificateAnswer, Reply(tag::kIfSuc.substr(0, 17)), false},
        {"unknown", ReplyShape::Unknown, frame, false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsReplyComplete(c.shape, c.received), c.complete) << c.name;

    const Bytes around = join({echo, tail, frame, tail});
    const ByteSpan found = FrameIn(around);
    EXPECT_EQ(Bytes(found.begin(), found.end()), frame);
    EXPECT_EQ(FrameIn(tail).size(), 4u);  // no frame: all of it, for the exchange to refuse
    EXPECT_TRUE(IsModeAcknowledged(ReplyFrom(join({tail, link::testing::ModeAck()}))));
    EXPECT_TRUE(IsModeAcknowledged(Bytes{0x1F, 0x57, 0x4D, 0x7F}));
    EXPECT_FALSE(IsModeAcknowledged(Bytes{0x1F, 0x57, 0x4D}));
    EXPECT_FALSE(IsModeAcknowledged(Bytes{0x1F, 0x57, 0x43, 0x7F}));
    EXPECT_FALSE(IsModeAcknowledged(Bytes{0x1F, 0x57, 0x4D, 0x81}));
}
