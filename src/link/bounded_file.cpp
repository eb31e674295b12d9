#include "link/bounded_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane::link {

namespace {

FileProblem SystemProblem(FileRefusal kind, int error) { return {kind, std::strerror(error)}; }

FileProblem TooLargeProblem(std::size_t limit) { return {FileRefusal::TooLarge, "larger than " + SizeText(limit)}; }

}  // namespace

std::string SizeText(std::size_t bytes) {
    constexpr std::size_t kMiB = 1024 * 1024;
    if (bytes >= kMiB && bytes % kMiB == 0) {
        return std::to_string(bytes / kMiB) + " MiB";
    }
    return std::to_string(bytes) + " bytes";
}

Result<Bytes, FileProblem> ReadBoundedFile(const std::string& path, std::size_t limit) {
    // Non-blocking, so that opening a FIFO with no writer returns at once; it
    // is refused below like every file that is not regular.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return SystemProblem(FileRefusal::CannotOpen, errno);
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return SystemProblem(FileRefusal::ReadFailed, error);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return FileProblem{FileRefusal::NotRegular,
                           S_ISDIR(info.st_mode) ? "a folder, not a file" : "not a regular file"};
    }
    if (info.st_size < 0 || static_cast<unsigned long long>(info.st_size) > limit) {
        ::close(fd);
        return TooLargeProblem(limit);
    }
    // Up to one byte more than the limit is read: a file that grew while it
    // was read is refused, not cut short.
    const std::size_t most = limit + 1;
    Bytes data(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t filled = 0;
    for (;;) {
        if (filled == data.size()) {
            if (data.size() >= most) {
                break;
            }
            data.resize(std::min(most, data.size() * 2));
        }
        const ssize_t n = ::read(fd, data.data() + filled, data.size() - filled);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return SystemProblem(FileRefusal::ReadFailed, error);
        }
        if (n == 0) {
            break;
        }
        filled += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (filled > limit) {
        return TooLargeProblem(limit);
    }
    data.resize(filled);
    return data;
}

}  // namespace corvane::link
