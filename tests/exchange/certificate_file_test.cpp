#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "link/exchange/certificate_file.h"

namespace corvane::link {
namespace {

namespace fs = std::filesystem;

fs::path Write(const std::string& name, const std::string& contents) {
    const fs::path path = fs::path(::testing::TempDir()) / ("corvane-cert-" + name);
    std::ofstream(path, std::ios::binary) << contents;
    return path;
}

// "-----BEGIN " + filler + "-----END" + tail, `size` bytes in all.
std::string Pem(std::size_t size, std::string_view tail = "\n") {
    const std::string head = "-----BEGIN CERTIFICATE-----\n";
    const std::string end = std::string("-----END") + std::string(tail);
    return head + std::string(size - head.size() - end.size(), 'A') + end;
}

// Under 3072 bytes, "-----BEGIN " first and "-----END" inside; data kept only
// when accepted.
TEST(CertificateFile, ContentsAndSize) {
    using enum CertificateFileOutcome;
    const std::tuple<const char*, std::string, CertificateFileOutcome> cases[] = {
        {"largest", Pem(3071), Accepted},
        {"too-large", Pem(3072), TooLarge},
        {"end-last", Pem(400, ""), Accepted},
        {"leading-blank", " " + Pem(400), Invalid},
        {"empty", "", Invalid},
        {"no-end", Pem(400).substr(0, 390), Invalid},
        {"no-blank", "-----BEGIN-----\n-----END", Invalid},
        {"zero-inside", "-----BEGIN X" + std::string(1, '\0') + "-----END", Accepted},
    };
    for (const auto& [name, contents, outcome] : cases) {
        const fs::path path = Write(name, contents);
        const CertificateFile file = OpenCertificateFile(path);
        fs::remove(path);
        EXPECT_EQ(file.outcome, outcome) << name;
        EXPECT_EQ(std::string(file.data.begin(), file.data.end()), outcome == Accepted ? contents : "") << name;
    }
}

// A huge file is refused without loading it; a missing file or a folder
// cannot be opened; each failure has its message.
TEST(CertificateFile, HugeOrUnopenableFiles) {
    const fs::path path = Write("huge", "-----BEGIN ");
    fs::resize_file(path, std::uintmax_t{2} << 30);  // sparse: no disk space used
    EXPECT_EQ(OpenCertificateFile(path).outcome, CertificateFileOutcome::TooLarge);
    fs::remove(path);
    EXPECT_EQ(OpenCertificateFile(path).outcome, CertificateFileOutcome::CannotOpen);
    EXPECT_EQ(OpenCertificateFile(::testing::TempDir()).outcome, CertificateFileOutcome::CannotOpen);
    EXPECT_EQ(CertificateFileMessage(CertificateFileOutcome::CannotOpen), kCertificateReadFailed);
    EXPECT_EQ(CertificateFileMessage(CertificateFileOutcome::TooLarge), kCertificateTooLarge);
}

}  // namespace
}  // namespace corvane::link
