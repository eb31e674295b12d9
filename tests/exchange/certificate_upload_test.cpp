// Certificates: the file a technician picks, and its upload in chunks.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "exchange/printer_replies.h"
#include "exchange/scripted_link_port.h"
#include "link/exchange/certificate_file.h"
#include "link/exchange/certificate_upload.h"

namespace corvane::link::testing {
namespace {

using namespace std::chrono_literals;

const Bytes kStart = Reply("STRT");
const Bytes kSuccess = Reply(tag::kIfSuc);
const Bytes kRefused = Reply("__[I_F]__[IF__ERR]");

Bytes FileOf(std::size_t size) {
    Bytes data(size);
    for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<std::uint8_t>(i * 7 + 0x80);
    return data;
}

bool Send(ScriptedLinkPort& port, const Bytes& file, int type = 1) {
    return static_cast<bool>(UploadCertificate(port, file, type, {}, NoSleep()));
}

// Chunk sizes by file size, the last chunk tagged CERTEND even when it is
// full, a 50 ms pause after each, progress by bytes acknowledged.
TEST(CertificateUpload, ChunkSizesProgressPausesAndRetryBudget) {
    struct Case {
        std::size_t size;
        std::vector<std::tuple<std::uint32_t, std::uint32_t, bool>> chunks;  // offset, length, last
        std::vector<int> progress;
    };
    const Case cases[] = {
        {1200, {{0, 500, false}, {500, 500, false}, {1000, 200, true}}, {41, 83, 100}},
        {300, {{0, 150, false}, {150, 150, true}}, {50, 100}},
        {301, {{0, 150, false}, {150, 150, false}, {300, 1, true}}, {49, 99, 100}},
        {500, {{0, 500, true}}, {100}},
        {1, {{0, 1, true}}, {100}},
    };
    for (const Case& c : cases) {
        const Bytes file = FileOf(c.size);
        ScriptedLinkPort port;
        RecordedSleeps sleeps;
        std::vector<int> progress;
        port.reply(kStart);
        port.replies.insert(port.replies.end(), c.chunks.size(), kSuccess);
        EXPECT_TRUE(UploadCertificate(
            port, file, 2, [&](int p) { progress.push_back(p); }, sleeps.fn()))
            << c.size;
        EXPECT_EQ(progress, c.progress) << c.size;
        EXPECT_EQ(sleeps.waits, std::vector<std::chrono::milliseconds>(c.chunks.size(), 50ms)) << c.size;
        ASSERT_EQ(port.writes.size(), c.chunks.size() + 1) << c.size;
        EXPECT_EQ(port.writes[0], (Bytes{0x1F, 0x57, 0x43, 0x82, 0x1D, 0x1F, 0x03}));
        for (std::size_t i = 0; i < c.chunks.size(); ++i) {
            const auto& [offset, length, last] = c.chunks[i];
            EXPECT_EQ(port.writes[i + 1],
                      EncodeFrame(BuildCertificateChunk(ByteSpan(file).subspan(offset, length), offset, last)))
                << c.size << " chunk " << i;
        }
    }

    // Each chunk may be sent 20 times (the first 19, "STRT" took one try).
    struct Budget {
        bool secondChunk;
        int refusals;  // in a row
        bool succeeds;
        std::size_t sends;  // of that chunk
    };
    const Budget budgets[] = {
        {false, 19, true, 20}, {false, 20, false, 20}, {true, 20, true, 21}, {true, 21, false, 21}};
    for (const Budget& c : budgets) {
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

// The mode command is sent again until "STRT", at most 20 times. An empty
// file is done at once, an unknown type sends nothing. (A read that fails
// mid-upload: Cancel.EveryExchangeStopsAtTheWaitItArrivesIn.)
TEST(CertificateUpload, ModeCommandIsRepeatedUntilStrtWithinItsBoundAndNothingGoesForNothing) {
    ScriptedLinkPort port;
    for (const Bytes& a : {kSuccess, kStart, kSuccess, kSuccess}) port.reply(a);
    EXPECT_TRUE(Send(port, FileOf(300)));
    EXPECT_EQ(port.writes.size(), 4u);
    EXPECT_EQ(port.writes[0], port.writes[1]);

    ScriptedLinkPort stubborn;
    stubborn.replies.assign(100, Reply("ST"));  // too short to be "STRT"
    EXPECT_FALSE(Send(stubborn, FileOf(300)));
    EXPECT_EQ(stubborn.writes.size(), 20u);

    ScriptedLinkPort idle;
    EXPECT_TRUE(Send(idle, {}));
    EXPECT_FALSE(Send(idle, FileOf(100), 4));
    EXPECT_TRUE(idle.writes.empty());
}

namespace fs = std::filesystem;

// "-----BEGIN " + filler + "-----END" + tail, `size` bytes in all.
std::string Pem(std::size_t size, std::string_view tail = "\n") {
    const std::string head = "-----BEGIN CERTIFICATE-----\n";
    const std::string end = std::string("-----END") + std::string(tail);
    return head + std::string(size - head.size() - end.size(), 'A') + end;
}

// "-----BEGIN " first and "-----END" inside; data kept only when accepted. A
// huge file is refused without loading it; a missing file or a folder cannot
// be opened. (The 3072-byte limit and its message: tests/cli, tests/ui.)
TEST(CertificateFile, ContentsSizeAndUnopenableFiles) {
    using enum CertificateFileOutcome;
    const fs::path path = fs::path(::testing::TempDir()) / "corvane-cert.pem";
    const std::tuple<const char*, std::string, CertificateFileOutcome> cases[] = {
        {"end-last", Pem(400, ""), Accepted},
        {"leading-blank", " " + Pem(400), Invalid},
        {"empty", "", Invalid},
        {"no-end", Pem(400).substr(0, 390), Invalid},
        {"no-blank", "-----BEGIN-----\n-----END", Invalid},
        {"zero-inside", "-----BEGIN X" + std::string(1, '\0') + "-----END", Accepted},
    };
    for (const auto& [name, contents, outcome] : cases) {
        std::ofstream(path, std::ios::binary) << contents;
        const CertificateFile file = OpenCertificateFile(path);
        EXPECT_EQ(file.outcome, outcome) << name;
        EXPECT_EQ(std::string(file.data.begin(), file.data.end()), outcome == Accepted ? contents : "") << name;
    }
    fs::resize_file(path, std::uintmax_t{2} << 30);  // sparse: no disk space used
    EXPECT_EQ(OpenCertificateFile(path).outcome, TooLarge);
    fs::remove(path);
    EXPECT_EQ(OpenCertificateFile(path).outcome, CannotOpen);
    EXPECT_EQ(OpenCertificateFile(::testing::TempDir()).outcome, CannotOpen);
    EXPECT_EQ(CertificateFileMessage(CannotOpen), kCertificateReadFailed);
}

}  // namespace
}  // namespace corvane::link::testing
