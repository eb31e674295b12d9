// The direct-link printer answers the tool's exact byte sequences, whatever
// pieces they arrive in, and each fault switch changes just what it names.
#include <gtest/gtest.h>

#include "bss.h"
#include "exchange/printer_replies.h"
#include "link/printer_config.h"
#include "link_session.h"

namespace corvane::sim {
namespace {

using namespace corvane::link;
using namespace corvane::link::testing;

Bytes Mode(std::uint8_t mode) {
    const auto m = ModeCommand(mode);
    return {m.begin(), m.end()};
}

Bytes Frame(const Bytes& message) { return EncodeFrame(message); }
Bytes TagFrame(std::string_view tag) { return Frame(BuildTagOnlyMessage(tag)); }

Bytes CertChunk(std::string_view tag, std::uint32_t offset, const Bytes& data) {
    Bytes content = ToBytes(tag);
    for (const auto v : {offset, static_cast<std::uint32_t>(data.size())})
        for (int i = 0; i < 4; ++i) content.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    content.insert(content.end(), data.begin(), data.end());
    return Frame(AppendCrc32(content));
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
    std::vector<Outgoing> Send(const Bytes& bytes) { return session.feed(bytes); }
    Bytes Only(const std::vector<Outgoing>& out) {
        EXPECT_EQ(out.size(), 1u);
        return out.empty() ? Bytes{} : out[0].data;
    }
    // ModeCommand 7F then one request frame: the answer to the frame.
    Bytes Ask(const Bytes& frame) {
        EXPECT_EQ(Only(Send(Mode(kModeConfig))), (Bytes{0x1F, 0x57, 0x4D, 0x7F}));
        return Only(Send(frame));
    }
};

TEST_F(LinkPrinterSession, MakerCheckAnswersAfterOptionalStatusByte) {
    const Bytes check{0x1D, 0x61, 0x00, 0x1D, 0x49, 0x42};
    EXPECT_EQ(Only(SendTrickled(check)), (Bytes{0x5F, 'Z', 'E', 'P', 'H', 'R', 'A', 'N', 0x00}));
    state.link.statusByte = 0x14;
    const auto out = Send(check);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].data, Bytes{0x14});
    EXPECT_EQ(out[1].data.front(), 0x5F);
}

// Reading, writing and surveying over the link are proven end to end under
// tests/cli and tests/ui; here what only the simulator decides.
TEST_F(LinkPrinterSession, RecordOfTheOtherLayoutOrWithABrokenChecksumIsRefused) {
    auto config = state.link.config;
    config.ssid = "NewNetwork";
    for (auto message :
         {BuildIfSetMessage(config, ConfigLayout::Older), BuildIfSetMessage(config, ConfigLayout::Newer)}) {
        if (message.size() == 636) message[100] ^= 1;
        EXPECT_FALSE(VerifyIfMessage(DecodeFrameText(Ask(Frame(message))), tag::kIfSuc));
    }
    EXPECT_EQ(state.link.configWrites, 0);
    EXPECT_NE(state.link.config, config);
}

TEST_F(LinkPrinterSession, FramesNeedTheirOwnModeCommandAndNoiseIsSkipped) {
    EXPECT_TRUE(Send(TagFrame(tag::kSysReq)).empty());
    EXPECT_EQ(Ask(TagFrame(tag::kSysReq)).size(), 152u);
    EXPECT_TRUE(Send(TagFrame(tag::kSysReq)).empty());  // the mode command was used up
    Bytes noisy{0x00, 0x42, 0x1F, 0x00};
    const auto mode = Mode(kModeConfig);
    noisy.insert(noisy.end(), mode.begin(), mode.end());
    EXPECT_EQ(Only(Send(noisy)).size(), 4u);
    EXPECT_FALSE(session.takeNotes().empty());
}

TEST_F(LinkPrinterSession, CertificateOf1200BytesIsTakenAs500500200) {
    Bytes file(1200);
    for (std::size_t i = 0; i < file.size(); ++i) file[i] = static_cast<std::uint8_t>(i * 7);
    EXPECT_EQ(Only(Send(Mode(0x82))), Reply("STRT"));
    const Bytes part0(file.begin(), file.begin() + 500), part1(file.begin() + 500, file.begin() + 1000),
        part2(file.begin() + 1000, file.end());
    EXPECT_EQ(Only(SendTrickled(CertChunk(tag::kFwCert, 0, part0))), Reply(tag::kIfSuc));
    // A chunk that skips ahead, or whose CRC is wrong, is refused and not stored.
    EXPECT_NE(Only(Send(CertChunk(tag::kFwCert, 600, part1))), Reply(tag::kIfSuc));
    const auto part1Chunk = CertChunk(tag::kFwCert, 500, part1);
    const auto broken = Corrupted(part1Chunk, part1Chunk.size() - 2);
    EXPECT_NE(Only(Send(broken)), Reply(tag::kIfSuc));
    EXPECT_EQ(Only(Send(CertChunk(tag::kFwCert, 500, part1))), Reply(tag::kIfSuc));
    EXPECT_TRUE(state.link.certificates.empty());
    EXPECT_EQ(Only(Send(CertChunk(tag::kCertEnd, 1000, part2))), Reply(tag::kIfSuc));
    EXPECT_EQ(state.link.certificates.at(2), file);
}

// One fault switch each: what the tool receives for a request. The switches
// behind the tool's failure classes (maker name, silence, checksum, 7E, STRT,
// chunk refusals) are proven end to end under tests/cli and tests/ui.
struct FaultCase {
    const char* name;
    void (*set)(LinkPrinter&);
    void (*check)(LinkPrinterSession&);
};

const FaultCase kFaultCases[] = {
    {"maker without marker", [](LinkPrinter& p) { p.makerMissing = true; },
     [](LinkPrinterSession& f) {
         EXPECT_EQ(f.Only(f.Send({0x1D, 0x49, 0x42})).front(), 'Z');
     }},
    {"delay",
     [](LinkPrinter& p) {
         p.faults.delayMs = 250;
         p.faults.delayOn = *KindSet::parse("sys_req");
     },
     [](LinkPrinterSession& f) {
         EXPECT_EQ(f.Send(Mode(kModeConfig)).at(0).delayMs, 0);
         EXPECT_EQ(f.Send(TagFrame(tag::kSysReq)).at(0).delayMs, 250);
     }},
    {"upper-case hex", [](LinkPrinter& p) { p.faults.upperHex.add(MessageKind::IfGet); },
     [](LinkPrinterSession& f) {
         const auto reply = f.Ask(TagFrame(tag::kIfGet));
         EXPECT_EQ(reply.size(), 1276u);
         EXPECT_NE(std::find(reply.begin(), reply.end(), 'F'), reply.end());
         EXPECT_FALSE(ParseConfig(DecodeFrameText(reply), ConfigLayout::Newer));
     }},
    {"truncated", [](LinkPrinter& p) { p.faults.truncate.add(MessageKind::IfGet); },
     [](LinkPrinterSession& f) { EXPECT_EQ(f.Ask(TagFrame(tag::kIfGet)).size(), 638u); }},
    {"duplicated", [](LinkPrinter& p) { p.faults.duplicate.add(MessageKind::Mode); },
     [](LinkPrinterSession& f) {
         const auto out = f.Send(Mode(kModeConfig));
         ASSERT_EQ(out.size(), 2u);
         EXPECT_EQ(out[0].data, out[1].data);
     }},
    {"in pieces", [](LinkPrinter& p) { p.faults.pieces = 3; },
     [](LinkPrinterSession& f) {
         const auto out = f.Send(Mode(kModeConfig));
         ASSERT_EQ(out.size(), 3u);
         // The SYS_RSP frame, each piece 20 ms after the one before.
         const auto answer = f.Send(TagFrame(tag::kSysReq));
         ASSERT_EQ(answer.size(), 3u);
         Bytes joined;
         for (std::size_t i = 0; i < answer.size(); ++i) {
             EXPECT_EQ(answer[i].delayMs, 20 * static_cast<int>(i));
             joined.insert(joined.end(), answer[i].data.begin(), answer[i].data.end());
         }
         EXPECT_EQ(joined.size(), 152u);
         EXPECT_EQ(joined.back(), kFrameEnd);
     }},
};

TEST(LinkFaults, EachSwitchDoesWhatItSays) {
    for (const auto& c : kFaultCases) {
        SCOPED_TRACE(c.name);
        struct Case : LinkPrinterSession {
            void TestBody() override {}
        } f;
        c.set(f.state.link);
        c.check(f);
    }
}

}  // namespace
}  // namespace corvane::sim
