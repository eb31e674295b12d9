// The files the tool reads (profiles, secrets, `link write --from`, address
// plans, the history), each under a size limit and only when it is a regular
// file: a FIFO, a folder or a device such as /dev/zero, directly or through a
// link, is refused with a reason instead of hanging or filling memory.
#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

namespace corvane::profile {

// Limits of the files the tool reads; a real file of its kind is far smaller.
inline constexpr qint64 kProfileLimit = 1024 * 1024;
inline constexpr qint64 kPlanLimit = 4 * 1024 * 1024;
inline constexpr qint64 kHistoryLimit = 64 * 1024 * 1024;

// The contents of `path`, or nullopt with `error` set to "cannot read PATH:
// why" (the reason also names a file over `limit` bytes).
std::optional<QByteArray> readInputFile(const QString& path, qint64 limit, QString* error);

}  // namespace corvane::profile
