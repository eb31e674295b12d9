#include "profile/private_file.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

namespace corvane::profile {

namespace {

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

}  // namespace

bool writeAll(int fd, const QByteArray& contents) {
    const char* data = contents.constData();
    auto left = static_cast<std::size_t>(contents.size());
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

bool writeWholeFile(const QString& path, const QByteArray& contents, bool secret, QString* error) {
    const QFileInfo target(path);
    // The new file gets its mode from the start (the umask applies as to any
    // new file): 0600 for secrets, so no moment exists in which others may
    // read them.
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = QFile::encodeName(
            target.absoluteDir().filePath(QStringLiteral(".%1.%2.tmp")
                                              .arg(target.fileName())
                                              .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))));
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, secret ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        *error = QCoreApplication::translate("Profile", "cannot write %1: %2").arg(path, systemError(errno));
        return false;
    }
    bool ok = writeAll(fd, contents) && ::fsync(fd) == 0;
    int failure = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (ok && ::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0) {
        ok = false;
        failure = errno;
    }
    if (!ok) {
        ::unlink(temporary.constData());
        *error = QCoreApplication::translate("Profile", "cannot write %1: %2").arg(path, systemError(failure));
    }
    return ok;
}

}  // namespace corvane::profile
