#include "profile/input_file.h"

#include <QCoreApplication>
#include <QFile>

#include "link/bounded_file.h"

namespace corvane::profile {

std::optional<QByteArray> readInputFile(const QString& path, qint64 limit, QString* error) {
    const auto read = link::ReadBoundedFile(QFile::encodeName(path).toStdString(), static_cast<std::size_t>(limit));
    if (!read) {
        *error = QCoreApplication::translate("Profile", "cannot read %1: %2")
                     .arg(path, QString::fromLocal8Bit(read.error().text.c_str()));
        return std::nullopt;
    }
    return QByteArray(reinterpret_cast<const char*>(read->data()), static_cast<qsizetype>(read->size()));
}

}  // namespace corvane::profile
