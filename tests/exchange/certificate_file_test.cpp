#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "link/exchange/certificate_file.h"

namespace corvane::link {
namespace {

namespace fs = std::filesystem;

class CertificateFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::path(::testing::TempDir()) /
               ("cert-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path Write(const std::string& name, const std::string& contents) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << contents;
        return path;
    }

    fs::path dir_;
};

// "-----BEGIN " + filler + "-----END" + tail, `size` bytes in all.
std::string Pem(std::size_t size, std::string_view tail = "\n") {
    const std::string head = "-----BEGIN CERTIFICATE-----\n";
    const std::string end = std::string("-----END") + std::string(tail);
    return head + std::string(size - head.size() - end.size(), 'A') + end;
}

TEST_F(CertificateFileTest, ContentsAndSize) {
    struct Case {
        const char* name;
        std::string contents;
        CertificateFileOutcome outcome;
    };
    const Case cases[] = {
        {"largest", Pem(3071), CertificateFileOutcome::Accepted},
        {"too-large", Pem(3072), CertificateFileOutcome::TooLarge},
        {"end-last", Pem(400, ""), CertificateFileOutcome::Accepted},
        {"leading-blank", " " + Pem(400), CertificateFileOutcome::Invalid},
        {"empty", "", CertificateFileOutcome::Invalid},
        {"no-end", Pem(400).substr(0, 390), CertificateFileOutcome::Invalid},
        {"no-blank", "-----BEGIN-----\n-----END", CertificateFileOutcome::Invalid},
        {"zero-inside", "-----BEGIN X" + std::string(1, '\0') + "-----END", CertificateFileOutcome::Accepted},
    };
    for (const Case& c : cases) {
        const CertificateFile file = OpenCertificateFile(Write(c.name, c.contents));
        EXPECT_EQ(file.outcome, c.outcome) << c.name;
        if (c.outcome == CertificateFileOutcome::Accepted) {
            EXPECT_EQ(std::string(file.data.begin(), file.data.end()), c.contents) << c.name;
        } else {
            EXPECT_TRUE(file.data.empty()) << c.name;
        }
    }
}

TEST_F(CertificateFileTest, HugeFileIsRefusedWithoutLoadingIt) {
    const fs::path path = Write("huge", "-----BEGIN ");
    fs::resize_file(path, std::uintmax_t{2} << 30);  // sparse: no disk space used
    EXPECT_EQ(OpenCertificateFile(path).outcome, CertificateFileOutcome::TooLarge);
}

TEST_F(CertificateFileTest, PathsThatCannotBeOpened) {
    EXPECT_EQ(OpenCertificateFile(dir_ / "missing").outcome, CertificateFileOutcome::CannotOpen);
    EXPECT_EQ(OpenCertificateFile(dir_).outcome, CertificateFileOutcome::CannotOpen);
    EXPECT_EQ(CertificateFileMessage(CertificateFileOutcome::CannotOpen), kCertificateReadFailed);
    EXPECT_EQ(CertificateFileMessage(CertificateFileOutcome::TooLarge), kCertificateTooLarge);
}

}  // namespace
}  // namespace corvane::link
