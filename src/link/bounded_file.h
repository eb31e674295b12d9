// Reading a file the user named, bounded: only a regular file is read (a
// FIFO would block, a device such as /dev/zero never ends), and never more
// than a limit, whatever the file claims or grows to while it is read.
// Every file the tool takes in goes through here.
#pragma once

#include <cstddef>
#include <string>

#include "link/bytes.h"
#include "link/result.h"

namespace corvane::link {

enum class FileRefusal {
    CannotOpen,  // the system's reason in the text
    NotRegular,  // a folder, FIFO, device or socket (links are followed to what they name)
    TooLarge,    // more than the limit
    ReadFailed,  // the system's reason in the text
};

struct FileProblem {
    FileRefusal kind = FileRefusal::CannotOpen;
    std::string text;  // what was wrong, in words that follow the file's name
};

// The whole file at `path` when it is a regular file of at most `limit`
// bytes (an empty file gives no bytes).
Result<Bytes, FileProblem> ReadBoundedFile(const std::string& path, std::size_t limit);

// "4 MiB", "3071 bytes": a limit as the refusals name it.
std::string SizeText(std::size_t bytes);

}  // namespace corvane::link
