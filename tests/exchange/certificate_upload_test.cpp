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
    std::uint32_t offset;
    std::uint32_t length;
    bool operator==(const Chunk&) const = default;
};

// The chunk a data frame carries, after checking its frame, layout and CRC.
Chunk ChunkOf(const Bytes& frame, const Bytes& file) {
    const Bytes message = DecodeFrameText(frame);
    EXPECT_EQ(frame.size(), 2 * message.size() + 4);
    EXPECT_EQ(Bytes(frame.begin(), frame.begin() + 3), (Bytes{0x1F, 0x57, 0x43}));
    EXPECT_EQ(frame.back(), 0x03);
    auto le32 = [&](std::size_t at) {
        return std::uint32_t(message[at]) | std::uint32_t(message[at + 1]) << 8 |
               std::uint32_t(message[at + 2]) << 16 | std::uint32_t(message[at + 3]) << 24;
    };
    Chunk chunk{std::string(message.begin(), message.begin() + 18), le32(18), le32(22)};
    EXPECT_EQ(message.size(), 30u + chunk.length);
    EXPECT_TRUE(std::equal(file.begin() + chunk.offset, file.begin() + chunk.offset + chunk.length,
                           message.begin() + 26));
    const std::uint32_t crc = FrameCrc32(ByteSpan(message).first(26 + chunk.length));
    const Bytes crcBytes(message.end() - 4, message.end());
    EXPECT_EQ(crcBytes, (Bytes{std::uint8_t(crc >> 24), std::uint8_t(crc >> 16), std::uint8_t(crc >> 8),
                               std::uint8_t(crc)}));
    return chunk;
}

struct Upload {
    bool ok;
    std::vector<int> progress;
};

Upload Send(ScriptedLinkPort& port, const Bytes& file, int type, RecordedSleeps& sleeps) {
    Upload upload{};
    upload.ok = uploadCertificate(port, file, type, [&](int p) { upload.progress.push_back(p); },
                                  sleeps.fn());
    return upload;
}

TEST(CertificateUpload, TwelveHundredBytesGoInThreeChunks) {
    const Bytes file = FileOf(1200);
    ScriptedLinkPort port;
    RecordedSleeps sleeps;
    for (const Bytes& a : {kStart, kSuccess, kSuccess, kSuccess}) port.reply(a);
    const Upload upload = Send(port, file, 2, sleeps);

    EXPECT_TRUE(upload.ok);
    EXPECT_EQ(upload.progress, (std::vector<int>{41, 83, 100}));
    EXPECT_EQ(sleeps.waits, (std::vector<std::chrono::milliseconds>{50ms, 50ms, 50ms}));
    ASSERT_EQ(port.writes.size(), 4u);
    EXPECT_EQ(port.writes[0], (Bytes{0x1F, 0x57, 0x43, 0x82, 0x1D, 0x1F, 0x03}));
    // Offsets and lengths least significant byte first: 500 is F4 01 00 00.
    const Bytes message = DecodeFrameText(port.writes[1]);
    EXPECT_EQ(Bytes(message.begin() + 18, message.begin() + 26),
              (Bytes{0, 0, 0, 0, 0xF4, 0x01, 0, 0}));
    EXPECT_EQ(port.writes[1].size(), 64u + 1000u);
    EXPECT_EQ(ChunkOf(port.writes[1], file), (Chunk{"__[I_F]__[FW_CERT]", 0, 500}));
    EXPECT_EQ(ChunkOf(port.writes[2], file), (Chunk{"__[I_F]__[FW_CERT]", 500, 500}));
    EXPECT_EQ(ChunkOf(port.writes[3], file), (Chunk{"__[I_F]__[CERTEND]", 1000, 200}));
}

TEST(CertificateUpload, ChunkSizesOfSmallFiles) {
    const std::pair<std::size_t, std::vector<Chunk>> cases[] = {
        {300, {{"__[I_F]__[FW_CERT]", 0, 150}, {"__[I_F]__[CERTEND]", 150, 150}}},
        {301, {{"__[I_F]__[FW_CERT]", 0, 150}, {"__[I_F]__[FW_CERT]", 150, 150},
               {"__[I_F]__[CERTEND]", 300, 1}}},
        {500, {{"__[I_F]__[CERTEND]", 0, 500}}},
        {1, {{"__[I_F]__[CERTEND]", 0, 1}}},
    };
    for (const auto& [size, chunks] : cases) {
        const Bytes file = FileOf(size);
        ScriptedLinkPort port;
        RecordedSleeps sleeps;
        port.reply(kStart);
        for (std::size_t i = 0; i < chunks.size(); ++i) port.reply(kSuccess);
        EXPECT_TRUE(Send(port, file, 1, sleeps).ok) << size;
        ASSERT_EQ(port.writes.size(), chunks.size() + 1) << size;
        for (std::size_t i = 0; i < chunks.size(); ++i) {
            EXPECT_EQ(ChunkOf(port.writes[i + 1], file), chunks[i]) << size << " chunk " << i;
        }
    }
}

TEST(CertificateUpload, ModeCommandIsRepeatedUntilStrtWithinItsBound) {
    ScriptedLinkPort port;
    RecordedSleeps sleeps;
    for (const Bytes& a : {kSuccess, kSuccess, kStart, kSuccess, kSuccess}) port.reply(a);
    EXPECT_TRUE(Send(port, FileOf(300), 3, sleeps).ok);
    EXPECT_EQ(port.writes.size(), 5u);
    EXPECT_EQ(port.writes[2], (Bytes{0x1F, 0x57, 0x43, 0x83, 0x1D, 0x1F, 0x03}));

    ScriptedLinkPort stubborn;
    for (int i = 0; i < 100; ++i) stubborn.reply(Answer("ST"));  // too short to be "STRT"
    EXPECT_FALSE(Send(stubborn, FileOf(300), 1, sleeps).ok);
    EXPECT_EQ(stubborn.writes.size(), 20u);
    EXPECT_EQ(stubborn.writes.back().size(), 7u);
}

// How many frames carried the chunk at `offset`.
std::size_t SendsAt(const ScriptedLinkPort& port, std::uint32_t offset) {
    std::size_t sends = 0;
    for (const Bytes& w : port.writes) {
        const Bytes m = DecodeFrameText(w);
        sends += w.size() > 7 && m.size() >= 26 && m[18] == (offset & 0xFF) && m[19] == (offset >> 8);
    }
    return sends;
}

TEST(CertificateUpload, RetryBudgetPerChunk) {
    // The first chunk's budget already lost one unit to the "STRT" answer.
    struct Case {
        int chunk;
        int refusals;  // in a row before success or the end
        bool succeeds;
        std::size_t sends;  // of that chunk
    };
    const Case cases[] = {{1, 19, true, 20}, {1, 20, false, 20}, {2, 20, true, 21}, {2, 21, false, 21}};
    for (const Case& c : cases) {
        ScriptedLinkPort port;
        RecordedSleeps sleeps;
        port.reply(kStart);
        if (c.chunk == 2) port.reply(kSuccess);
        for (int i = 0; i < c.refusals; ++i) port.reply(kRefused);
        if (c.succeeds) port.replies.insert(port.replies.end(), c.chunk == 1 ? 2 : 1, kSuccess);
        EXPECT_EQ(Send(port, FileOf(1000), 1, sleeps).ok, c.succeeds) << c.chunk << "/" << c.refusals;
        EXPECT_EQ(SendsAt(port, c.chunk == 1 ? 0 : 500), c.sends) << c.chunk << "/" << c.refusals;
    }
}

TEST(CertificateUpload, FailuresAndTrivialCases) {
    RecordedSleeps sleeps;
    ScriptedLinkPort empty;
    EXPECT_TRUE(Send(empty, {}, 1, sleeps).ok);
    EXPECT_TRUE(empty.writes.empty());

    ScriptedLinkPort badType;
    EXPECT_FALSE(Send(badType, FileOf(100), 4, sleeps).ok);
    EXPECT_TRUE(badType.writes.empty());

    ScriptedLinkPort silent;
    silent.reply(kStart);
    EXPECT_FALSE(Send(silent, FileOf(100), 1, sleeps).ok);
    EXPECT_EQ(silent.writes.size(), 2u);

    ScriptedLinkPort unwritable;
    unwritable.reply(kStart);
    unwritable.writeResults = {std::nullopt, 0};
    EXPECT_FALSE(Send(unwritable, FileOf(100), 1, sleeps).ok);
    EXPECT_EQ(unwritable.reads, 1);
}

}  // namespace
}  // namespace corvane::link::testing
