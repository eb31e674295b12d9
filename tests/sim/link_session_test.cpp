// The direct-link printer answers the tool's exact byte sequences, whatever
// pieces they arrive in, and judges what it is sent as strictly as a printer.
#include <gtest/gtest.h>

#include "exchange/printer_replies.h"
#include "link_session.h"

namespace corvane::sim {
namespace {

using namespace corvane::link;
using namespace corvane::link::testing;

Bytes TagFrame(std::string_view tag) { return EncodeFrame(BuildTagOnlyMessage(tag)); }

Bytes CertChunk(std::string_view tag, std::uint32_t offset, const Bytes& data) {
    Bytes content = ToBytes(tag);
    for (const auto v : {offset, static_cast<std::uint32_t>(data.size())})
        for (int i = 0; i < 4; ++i) content.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    content.insert(content.end(), data.begin(), data.end());
    return EncodeFrame(AppendCrc32(content));
}

struct LinkPrinterSession : ::testing::Test {
    SimState state = BuiltinState();
    LinkSession session{state.link};

    // Feeds one byte at a time, as a slow line would deliver them.
    std::vector<Outgoing> SendTrickled(const Bytes& bytes) {
        std::vector<Outgoing> all;
        for (const auto b : bytes) {
            auto out = session.feed(ByteSpan(&b, 1));
            all.insert(all.end(), out.begin(), out.end());
        }
        return all;
    }
    std::vector<Outgoing> Send(ByteSpan bytes) { return session.feed(bytes); }
    Bytes Only(const std::vector<Outgoing>& out) {
        EXPECT_EQ(out.size(), 1u);
        return out.empty() ? Bytes{} : out[0].data;
    }
    // ModeCommand 7F then one request frame: the answer to the frame.
    Bytes Ask(const Bytes& frame) {
        EXPECT_EQ(Only(Send(ModeCommand(kModeConfig))), (Bytes{0x1F, 0x57, 0x4D, 0x7F}));
        return Only(Send(frame));
    }
};

// The status byte some printers send first: the tool's maker check must cope.
// A tool that skips the mode command before a request must fail here as it
// would against a printer.
TEST_F(LinkPrinterSession, MakerCheckAfterOptionalStatusByteAndFramesNeedTheirOwnModeCommand) {
    const Bytes check{0x1D, 0x61, 0x00, 0x1D, 0x49, 0x42};
    EXPECT_EQ(Only(SendTrickled(check)), (Bytes{0x5F, 'Z', 'E', 'P', 'H', 'R', 'A', 'N', 0x00}));
    state.link.statusByte = 0x14;
    const auto out = Send(check);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].data, Bytes{0x14});
    EXPECT_EQ(out[1].data.front(), 0x5F);
    EXPECT_TRUE(Send(TagFrame(tag::kSysReq)).empty());
    EXPECT_EQ(Ask(TagFrame(tag::kSysReq)).size(), 152u);
    EXPECT_TRUE(Send(TagFrame(tag::kSysReq)).empty());  // the mode command was used up
}

// Chunks of 500 bytes at their offsets, each with its CRC; the file is kept
// only once the last one arrived.
TEST_F(LinkPrinterSession, CertificateOf1200BytesIsTakenAs500500200) {
    Bytes file(1200);
    for (std::size_t i = 0; i < file.size(); ++i) file[i] = static_cast<std::uint8_t>(i * 7);
    const auto part = [&](std::size_t from, std::size_t to) { return Bytes(file.begin() + from, file.begin() + to); };
    EXPECT_EQ(Only(Send(ModeCommand(0x82))), Reply("STRT"));
    EXPECT_EQ(Only(SendTrickled(CertChunk(tag::kFwCert, 0, part(0, 500)))), Reply(tag::kIfSuc));
    // A chunk that skips ahead, or whose CRC is wrong, is refused and not stored.
    const auto second = CertChunk(tag::kFwCert, 500, part(500, 1000));
    EXPECT_NE(Only(Send(CertChunk(tag::kFwCert, 600, part(500, 1000)))), Reply(tag::kIfSuc));
    EXPECT_NE(Only(Send(Corrupted(second, second.size() - 2))), Reply(tag::kIfSuc));
    EXPECT_EQ(Only(Send(second)), Reply(tag::kIfSuc));
    EXPECT_TRUE(state.link.certificates.empty());
    EXPECT_EQ(Only(Send(CertChunk(tag::kCertEnd, 1000, part(1000, 1200)))), Reply(tag::kIfSuc));
    EXPECT_EQ(state.link.certificates.at(2), file);
}

// The switches other tests rely on: a reply cut short (tests/robustness) and
// replies in pieces (tests/cli). The switches behind the tool's failure
// classes are proven by the tool's failures under tests/cli and tests/ui.
TEST_F(LinkPrinterSession, TruncatedAndPiecewiseRepliesAreWhatTheySay) {
    state.link.faults.truncate.add(MessageKind::IfGet);
    EXPECT_EQ(Ask(TagFrame(tag::kIfGet)).size(), 638u);

    state.link.faults.pieces = 3;
    ASSERT_EQ(Send(ModeCommand(kModeConfig)).size(), 3u);
    // The SYS_RSP frame, each piece 20 ms after the one before.
    const auto answer = Send(TagFrame(tag::kSysReq));
    ASSERT_EQ(answer.size(), 3u);
    Bytes joined;
    for (std::size_t i = 0; i < answer.size(); ++i) {
        EXPECT_EQ(answer[i].delayMs, 20 * static_cast<int>(i));
        joined.insert(joined.end(), answer[i].data.begin(), answer[i].data.end());
    }
    EXPECT_EQ(joined.size(), 152u);
    EXPECT_EQ(joined.back(), kFrameEnd);
}

}  // namespace
}  // namespace corvane::sim
