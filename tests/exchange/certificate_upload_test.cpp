#include <gtest/gtest.h>

#include <string>

#include "exchange/scripted_link_port.h"
#include "link/exchange/certificate_upload.h"
#include "link/framing.h"

namespace corvane::link::testing {
namespace {

using namespace std::chrono_literals;

Bytes Answer(std::string_view text) {
    Bytes answer{0x1F, 0x57, 0x4D};
    answer.insert(answer.end(), text.begin(), text.end());
    return answer;
}
const Bytes kStart = Answer("STRT");
const Bytes kSuccess = Answer(tag::IfSuc);
const Bytes kRefused = Answer("__[I_F]__[IF__ERR]");

Bytes FileOf(std::size_t size) {
    Bytes data(size);
    for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<std::uint8_t>(i * 7 + 0x80);
    return data;
}

struct Chunk {
    std::string tag;
    std::uint32_t offset, length;
    bool operator==(const Chunk&) const = default;
};

// The chunk a data frame carries; checks its length, bytes and CRC on the way.
Chunk ChunkOf(const Bytes& frame, const Bytes& file) {
    const Bytes m = DecodeFrameText(frame);
    auto le32 = [&](std::size_t at) {
        return std::uint32_t(m[at]) | std::uint32_t(m[at + 1]) << 8 | std::uint32_t(m[at + 2]) << 16 |
               std::uint32_t(m[at + 3]) << 24;
    };
    Chunk chunk{std::string(m.begin(), m.begin() + 18), le32(18), le32(22)};
    EXPECT_EQ(frame.size(), 64u + 2 * chunk.length);
    EXPECT_TRUE(std::equal(m.begin() + 26, m.end() - 4, file.begin() + chunk.offset));
    const std::uint32_t crc = FrameCrc32(ByteSpan(m).first(m.size() - 4));
    EXPECT_EQ(Bytes(m.end() - 4, m.end()),
              (Bytes{std::uint8_t(crc >> 24), std::uint8_t(crc >> 16), std::uint8_t(crc >> 8), std::uint8_t(crc)}));
    return chunk;
}

bool Send(ScriptedLinkPort& port, const Bytes& file, std::vector<int>* progress = nullptr,
          RecordedSleeps* sleeps = nullptr, int type = 1) {
    return static_cast<bool>(uploadCertificate(port, file, type, [&](int p) { if (progress) progress->push_back(p); },
                                               sleeps ? sleeps->fn() : NoSleep()));
}

TEST(CertificateUpload, TwelveHundredBytesGoInThreeChunks) {
    const Bytes file = FileOf(1200);
    ScriptedLinkPort port;
    RecordedSleeps sleeps;
    std::vector<int> progress;
    for (const Bytes& a : {kStart, kSuccess, kSuccess, kSuccess}) port.reply(a);

    EXPECT_TRUE(Send(port, file, &progress, &sleeps, 2));
    EXPECT_EQ(progress, (std::vector<int>{41, 83, 100}));
    EXPECT_EQ(sleeps.waits, (std::vector<std::chrono::milliseconds>{50ms, 50ms, 50ms}));
    ASSERT_EQ(port.writes.size(), 4u);
    EXPECT_EQ(port.writes[0], (Bytes{0x1F, 0x57, 0x43, 0x82, 0x1D, 0x1F, 0x03}));
    const Bytes first = DecodeFrameText(port.writes[1]);  // 500 is F4 01 00 00
    EXPECT_EQ(Bytes(first.begin() + 18, first.begin() + 26), (Bytes{0, 0, 0, 0, 0xF4, 0x01, 0, 0}));
    EXPECT_EQ(ChunkOf(port.writes[1], file), (Chunk{"__[I_F]__[FW_CERT]", 0, 500}));
    EXPECT_EQ(ChunkOf(port.writes[2], file), (Chunk{"__[I_F]__[FW_CERT]", 500, 500}));
    EXPECT_EQ(ChunkOf(port.writes[3], file), (Chunk{"__[I_F]__[CERTEND]", 1000, 200}));
}

TEST(CertificateUpload, ChunkSizesOfSmallFiles) {
    const std::pair<std::size_t, std::vector<Chunk>> cases[] = {
        {300, {{"__[I_F]__[FW_CERT]", 0, 150}, {"__[I_F]__[CERTEND]", 150, 150}}},
        {301, {{"__[I_F]__[FW_CERT]", 0, 150}, {"__[I_F]__[FW_CERT]", 150, 150}, {"__[I_F]__[CERTEND]", 300, 1}}},
        {500, {{"__[I_F]__[CERTEND]", 0, 500}}},
        {1, {{"__[I_F]__[CERTEND]", 0, 1}}},
    };
    for (const auto& [size, chunks] : cases) {
        const Bytes file = FileOf(size);
        ScriptedLinkPort port;
        port.reply(kStart);
        port.replies.insert(port.replies.end(), chunks.size(), kSuccess);
        EXPECT_TRUE(Send(port, file)) << size;
        ASSERT_EQ(port.writes.size(), chunks.size() + 1) << size;
        for (std::size_t i = 0; i < chunks.size(); ++i) {
            EXPECT_EQ(ChunkOf(port.writes[i + 1], file), chunks[i]) << size << " chunk " << i;
        }
    }
}

TEST(CertificateUpload, ModeCommandIsRepeatedUntilStrtWithinItsBound) {
    ScriptedLinkPort port;
    for (const Bytes& a : {kSuccess, kStart, kSuccess, kSuccess}) port.reply(a);
    EXPECT_TRUE(Send(port, FileOf(300)));
    EXPECT_EQ(port.writes.size(), 4u);
    EXPECT_EQ(port.writes[0], port.writes[1]);

    ScriptedLinkPort stubborn;
    stubborn.replies.assign(100, Answer("ST"));  // too short to be "STRT"
    EXPECT_FALSE(Send(stubborn, FileOf(300)));
    EXPECT_EQ(stubborn.writes.size(), 20u);
    EXPECT_EQ(stubborn.writes.back().size(), 7u);
}

TEST(CertificateUpload, RetryBudgetPerChunk) {
    // The first chunk's budget already lost one unit to the "STRT" answer.
    struct Case {
        bool secondChunk;
        int refusals;  // in a row
        bool succeeds;
        std::size_t sends;  // of that chunk
    };
    const Case cases[] = {{false, 19, true, 20}, {false, 20, false, 20}, {true, 20, true, 21}, {true, 21, false, 21}};
    for (const Case& c : cases) {
        ScriptedLinkPort port;
        port.reply(kStart);
        if (c.secondChunk) port.reply(kSuccess);
        port.replies.insert(port.replies.end(), c.refusals, kRefused);
        if (c.succeeds) port.replies.insert(port.replies.end(), c.secondChunk ? 1 : 2, kSuccess);
        EXPECT_EQ(Send(port, FileOf(1000)), c.succeeds) << c.secondChunk << "/" << c.refusals;
        const std::uint8_t offsetLow = c.secondChunk ? 0xF4 : 0x00;
        EXPECT_EQ(std::count_if(port.writes.begin() + 1, port.writes.end(),
                                [&](const Bytes& w) { return DecodeFrameText(w)[18] == offsetLow; }),
                  c.sends);
    }
}

TEST(CertificateUpload, NothingToSendAndFailingLink) {
    ScriptedLinkPort idle;
    EXPECT_TRUE(Send(idle, {}));
    EXPECT_FALSE(Send(idle, FileOf(100), nullptr, nullptr, 4));
    EXPECT_TRUE(idle.writes.empty());

    ScriptedLinkPort silent;
    silent.reply(kStart);
    EXPECT_FALSE(Send(silent, FileOf(100)));
    EXPECT_EQ(silent.writes.size(), 2u);
}

}  // namespace
}  // namespace corvane::link::testing
