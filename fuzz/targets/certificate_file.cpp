// Certificate files chosen by the user: the fuzzed bytes are the file.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "link/exchange/certificate_file.h"
#include "fuzz_check.h"

using namespace corvane;
using namespace corvane::link;

namespace {

// One in-memory file reused for every input: no disk traffic, and the path
// names a regular file as a chosen file would.
class MemoryFile {
public:
    MemoryFile() : fd_(memfd_create("certificate", 0)), path_("/proc/self/fd/" + std::to_string(fd_)) {}
    ~MemoryFile() { close(fd_); }

    const std::string& write(ByteSpan bytes) {
        FUZZ_CHECK(ftruncate(fd_, 0) == 0);
        FUZZ_CHECK(pwrite(fd_, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size()));
        return path_;
    }

private:
    int fd_;
    std::string path_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MemoryFile file;
    const ByteSpan bytes = fuzz::Input(data, size);
    const CertificateFile result = OpenCertificateFile(file.write(bytes));

    const ByteSpan end = AsBytes("-----END");
    const bool looksRight = fuzz::StartsWith(bytes, "-----BEGIN ") &&
                            std::search(bytes.begin(), bytes.end(), end.begin(), end.end()) != bytes.end();
    if (size >= kMaxCertificateFileSize) {
        FUZZ_CHECK(result.outcome == CertificateFileOutcome::TooLarge);
    } else {
        FUZZ_CHECK(result.outcome == (looksRight ? CertificateFileOutcome::Accepted : CertificateFileOutcome::Invalid));
    }
    if (result.outcome == CertificateFileOutcome::Accepted) {
        FUZZ_CHECK(std::equal(result.data.begin(), result.data.end(), bytes.begin(), bytes.end()));
    } else {
        FUZZ_CHECK(result.data.empty());
    }
    (void)CertificateFileMessage(result.outcome);
    return 0;
}
