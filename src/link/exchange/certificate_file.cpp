#include "exchange/certificate_file.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string_view>
#include <system_error>
#include <utility>

namespace corvane::link {
namespace {

constexpr std::string_view kBeginMarker = "-----BEGIN ";
constexpr std::string_view kEndMarker = "-----END";

bool LooksLikeCertificate(ByteSpan data) {
    const ByteSpan begin = AsBytes(kBeginMarker);
    const ByteSpan end = AsBytes(kEndMarker);
    return data.size() >= begin.size() && std::equal(begin.begin(), begin.end(), data.begin()) &&
           std::search(data.begin(), data.end(), end.begin(), end.end()) != data.end();
}

}  // namespace

CertificateFile OpenCertificateFile(const std::filesystem::path& path) {
    CertificateFile result;

    // Only regular files: opening a FIFO would block and a device could
    // deliver without end.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return result;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return result;
    }
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size < 0) {
        return result;
    }
    if (static_cast<std::uintmax_t>(size) >= kMaxCertificateFileSize) {
        result.outcome = CertificateFileOutcome::TooLarge;
        return result;
    }
    file.seekg(0, std::ios::beg);

    Bytes data(static_cast<std::size_t>(size));
    file.read(reinterpret_cast<char*>(data.data()), size);
    if (file.gcount() < size) {
        result.outcome = CertificateFileOutcome::ShortRead;
        return result;
    }

    if (!LooksLikeCertificate(data)) {
        result.outcome = CertificateFileOutcome::Invalid;
        return result;
    }
    result.outcome = CertificateFileOutcome::Accepted;
    result.data = std::move(data);
    return result;
}

StringId CertificateFileMessage(CertificateFileOutcome outcome) {
    switch (outcome) {
    case CertificateFileOutcome::TooLarge: return kCertificateTooLarge;
    case CertificateFileOutcome::Accepted: return kCertificateSelected;
    case CertificateFileOutcome::Invalid: return kCertificateInvalid;
    case CertificateFileOutcome::CannotOpen:
    case CertificateFileOutcome::ShortRead: break;
    }
    return kCertificateReadFailed;
}

}  // namespace corvane::link
