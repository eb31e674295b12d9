// When a reply counts as whole: once every byte its exchange judges it by
// is in, and never before.
#include <gtest/gtest.h>

#include <string>

#include "exchange/printer_replies.h"
#include "link/reply_shape.h"

namespace corvane::link {
namespace {

Bytes Plus(Bytes bytes, std::initializer_list<std::uint8_t> more) {
    bytes.insert(bytes.end(), more);
    return bytes;
}

TEST(ReplyShape, CompleteOnlyOnceTheJudgedBytesAreIn) {
    const Bytes frame = testing::ReplyFrame(BuildTagOnlyMessage(tag::kIfSuc));
    const Bytes name = testing::MakerName();
    struct Case {
        const char* name;
        ReplyShape shape;
        Bytes received;
        bool complete;
    };
    const Case cases[] = {
        {"frame", ReplyShape::Frame, frame, true},
        {"frame without its end byte", ReplyShape::Frame, Bytes(frame.begin(), frame.end() - 1), false},
        {"end byte inside the header", ReplyShape::Frame, {0x1F, 0x57, 0x03}, false},
        {"bytes after the end byte", ReplyShape::Frame, Plus(frame, {'x'}), false},
        {"empty frame", ReplyShape::Frame, testing::Reply("\x03"), true},
        {"maker name", ReplyShape::MakerName, name, true},
        {"status byte, then the name", ReplyShape::MakerName, Plus({0x00, 0x14}, {0x5F, 'Z', 0x00}), true},
        {"name still coming", ReplyShape::MakerName, Bytes(name.begin(), name.end() - 1), false},
        {"zero before the marker only", ReplyShape::MakerName, {0x00, 0x5F, 'Z'}, false},
        {"mode acknowledgement", ReplyShape::ModeAck, testing::Reply("\x7F"), true},
        {"mode acknowledgement, 3 bytes", ReplyShape::ModeAck, testing::Reply(""), false},
        {"start word", ReplyShape::CertificateStart, testing::Reply("STRT"), true},
        {"start word, 3 letters", ReplyShape::CertificateStart, testing::Reply("STR"), false},
        {"chunk answer", ReplyShape::CertificateAnswer, testing::Reply(tag::kIfSuc), true},
        {"chunk answer, 17 letters", ReplyShape::CertificateAnswer, testing::Reply(tag::kIfSuc.substr(0, 17)), false},
        {"short answer to a chunk", ReplyShape::CertificateAnswer, testing::Reply("BUSY"), false},
        {"unknown", ReplyShape::Unknown, frame, false},
        {"nothing", ReplyShape::Frame, {}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsReplyComplete(c.shape, c.received), c.complete) << c.name;
    }
}

}  // namespace
}  // namespace corvane::link
