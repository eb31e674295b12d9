// When a reply counts as whole: once every byte its exchange judges it by
// is in, and never before.
#include <gtest/gtest.h>

#include <string>

#include "link/framing.h"
#include "link/reply_shape.h"

namespace corvane::link {
namespace {

Bytes Reply(std::string_view text) {
    Bytes bytes(ReplyHeader.begin(), ReplyHeader.end());
    bytes.insert(bytes.end(), text.begin(), text.end());
    return bytes;
}

Bytes Plus(Bytes bytes, std::initializer_list<std::uint8_t> more) {
    bytes.insert(bytes.end(), more);
    return bytes;
}

TEST(ReplyShape, CompleteOnlyOnceTheJudgedBytesAreIn) {
    const Bytes frame = [] {
        Bytes f = EncodeFrame(BuildTagOnlyMessage(tag::IfSuc));
        std::copy(ReplyHeader.begin(), ReplyHeader.end(), f.begin());
        return f;
    }();
    const Bytes name{0x5F, 'Z', 'E', 'P', 'H', 'R', 'A', 'N', 0x00};
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
        {"empty frame", ReplyShape::Frame, Reply("\x03"), true},
        {"maker name", ReplyShape::MakerName, name, true},
        {"status byte, then the name", ReplyShape::MakerName, Plus({0x00, 0x14}, {0x5F, 'Z', 0x00}), true},
        {"name still coming", ReplyShape::MakerName, Bytes(name.begin(), name.end() - 1), false},
        {"zero before the marker only", ReplyShape::MakerName, {0x00, 0x5F, 'Z'}, false},
        {"mode acknowledgement", ReplyShape::ModeAck, Reply("\x7F"), true},
        {"mode acknowledgement, 3 bytes", ReplyShape::ModeAck, Reply(""), false},
        {"start word", ReplyShape::CertificateStart, Reply("STRT"), true},
        {"start word, 3 letters", ReplyShape::CertificateStart, Reply("STR"), false},
        {"chunk answer", ReplyShape::CertificateAnswer, Reply(tag::IfSuc), true},
        {"chunk answer, 17 letters", ReplyShape::CertificateAnswer, Reply(tag::IfSuc.substr(0, 17)), false},
        {"short answer to a chunk", ReplyShape::CertificateAnswer, Reply("BUSY"), false},
        {"unknown", ReplyShape::Unknown, frame, false},
        {"nothing", ReplyShape::Frame, {}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsReplyComplete(c.shape, c.received), c.complete) << c.name;
    }
}

}  // namespace
}  // namespace corvane::link
