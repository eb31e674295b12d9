// Writing a whole file in one step: the contents go to a new file beside the
// target, which then replaces it, so a reader never sees half a file and a
// file that holds secrets is never readable by others, not even for a moment.
#pragma once

#include <QByteArray>
#include <QString>

namespace corvane::profile {

// Writes every byte of `bytes` to `fd`, going on after short writes and
// interruptions; false on the first real error.
bool writeAll(int fd, const QByteArray& bytes);

// Mode 0600 when `secret`, else what the umask allows of 0666. False with
// `error` set (the target unchanged) on failure.
bool writeWholeFile(const QString& path, const QByteArray& contents, bool secret, QString* error);

}  // namespace corvane::profile
