// Reading and checking a certificate file before it is uploaded.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>

#include "link/bytes.h"
#include "link/string_table.h"

namespace corvane::link {

// Files of this size or more do not fit the printer's certificate store.
inline constexpr std::size_t kMaxCertificateFileSize = 3072;

enum class CertificateFileOutcome {
    CannotOpen,  // missing, unreadable or not a regular file; nothing read
    ShortRead,   // fewer bytes read than the file's size
    TooLarge,    // kMaxCertificateFileSize bytes or more
    Accepted,    // "-----BEGIN " at the start and "-----END" somewhere
    Invalid,     // anything else, the empty file included
};

struct CertificateFile {
    CertificateFileOutcome outcome = CertificateFileOutcome::CannotOpen;
    Bytes data;  // the file's bytes when accepted, else empty
};

// Checks, in order: can it be opened, is it small enough (measured before
// anything is read, so a huge file is never loaded), was it read whole, does
// it look like a PEM certificate.
CertificateFile OpenCertificateFile(const std::filesystem::path& path);

// The message for an outcome. A file that cannot be opened gets the same
// message as one that cannot be read whole: "Failed to read the certificate
// file." names both.
StringId CertificateFileMessage(CertificateFileOutcome outcome);

}  // namespace corvane::link
