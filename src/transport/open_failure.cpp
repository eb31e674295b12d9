#include "transport/open_failure.h"

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include <QCoreApplication>
#include <QFile>

#include "link/string_table.h"

namespace corvane::transport {

namespace {

// The group that owns `device` when its members may read and write it (so
// that joining it helps); empty otherwise, and for root's group.
QString groupThatGrantsAccess(const std::string& device) {
    struct stat node {};
    if (device.empty() || ::stat(device.c_str(), &node) != 0 || node.st_gid == 0) return {};
    if ((node.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP)) return {};
    group entry{};
    group* found = nullptr;
    std::vector<char> buffer(16384);
    if (::getgrgid_r(node.st_gid, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) return {};
    return QString::fromLocal8Bit(found->gr_name);
}

QString permissionAdvice(const link::OpenError& error) {
    const QString group = groupThatGrantsAccess(error.device);
    if (group.isEmpty()) {
        return QCoreApplication::translate(
            "OpenFailure",
            "Permission denied: add your user to the 'dialout' group (serial) or 'lp' group (USB printer), "
            "then log in again");
    }
    return QCoreApplication::translate(
               "OpenFailure",
               "Your user needs to be in the group '%1' that owns %2: run \"sudo usermod -aG %1 $USER\", then log "
               "in again.")
        .arg(group, QString::fromStdString(error.device));
}

}  // namespace

link::OpenError openFailure(int code, const QString& device) {
    return {code, QString::fromLocal8Bit(std::strerror(code)).toStdString(), QFile::encodeName(device).toStdString()};
}

link::OpenError openProblem(OpenProblem problem, const QString& device, const QString& detail) {
    QString reason;
    int code = 0;
    switch (problem) {
    case OpenProblem::PrinterNotReady:
        reason = QCoreApplication::translate("OpenFailure",
                                             "No printer is ready on this line: its DSR or CTS signal is off.");
        break;
    case OpenProblem::LineSettingsRefused:
        reason = QCoreApplication::translate(
            "OpenFailure",
            "The port does not take the printer's line settings (115200 baud, 8 data bits, no parity, "
            "1 stop bit, RTS/CTS).");
        break;
    case OpenProblem::InUse:
        code = EBUSY;
        reason = QCoreApplication::translate("OpenFailure", "The device is in use by another program.");
        break;
    }
    if (!detail.isEmpty()) reason += QLatin1Char(' ') + detail;
    return {code, reason.toStdString(), QFile::encodeName(device).toStdString()};
}

QString serialNodePath(const QString& portName) {
    return portName.startsWith(QLatin1Char('/')) ? portName : QStringLiteral("/dev/") + portName;
}

QString openFailureText(const link::OpenError& error) {
    QString text = QCoreApplication::translate(kStringTableContext, StringText(kUnableToOpenPort).data());
    const QString reason = QString::fromStdString(error.reason);
    const QString device = QFile::decodeName(QByteArray::fromStdString(error.device));
    if (!reason.isEmpty()) {
        text += QLatin1Char('\n') + (device.isEmpty() ? reason : QStringLiteral("%1: %2").arg(device, reason));
    }
    if (error.code == EACCES || error.code == EPERM) text += QLatin1Char('\n') + permissionAdvice(error);
    return text;
}

}  // namespace corvane::transport
