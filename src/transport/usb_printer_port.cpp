#include "transport/usb_printer_port.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace corvane::transport {

namespace {

// How far above the interface directory the USB device's idProduct is looked
// for (normally in the directory right above it).
constexpr int kMaxParentLevels = 3;

// Four hex digits in upper case, or empty when the file does not hold them.
QString readProductId(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QString text = QString::fromLatin1(f.read(16)).trimmed().toUpper();
    static const QRegularExpression fourHex(QStringLiteral("^[0-9A-F]{4}$"));
    return fourHex.match(text).hasMatch() ? text : QString();
}

QString productIdFor(const QString& usbmiscEntry) {
    QString dir = QFileInfo(usbmiscEntry + QStringLiteral("/device")).canonicalFilePath();
    for (int level = 0; level <= kMaxParentLevels && !dir.isEmpty(); ++level) {
        const QString id = readProductId(dir + QStringLiteral("/idProduct"));
        if (!id.isEmpty()) return id;
        const QString parent = QFileInfo(dir).path();
        if (parent == dir) break;
        dir = parent;
    }
    return {};
}

bool openableReadWrite(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

}  // namespace

QString UsbPrinterPort::productIdOf(const QString& sysfsRoot, int lpNumber) {
    return productIdFor(QStringLiteral("%1/class/usbmisc/lp%2").arg(sysfsRoot).arg(lpNumber));
}

UsbPrinterPort::UsbPrinterPort(QString sysfsRoot, QString devRoot)
    : sysfsRoot_(std::move(sysfsRoot)), devRoot_(std::move(devRoot)) {}

int UsbPrinterPort::refresh() {
    devices_.clear();
    const QDir usbmisc(sysfsRoot_ + QStringLiteral("/class/usbmisc"));
    static const QRegularExpression lpName(QStringLiteral("^lp(\\d+)$"));

    std::vector<std::pair<int, QString>> printers;
    for (const QString& name : usbmisc.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
        const auto match = lpName.match(name);
        if (match.hasMatch()) printers.emplace_back(match.captured(1).toInt(), name);
    }
    std::sort(printers.begin(), printers.end());

    for (const auto& [number, name] : printers) {
        const QString productId = productIdFor(usbmisc.filePath(name));
        if (productId.isEmpty()) continue;
        const QString candidates[] = {
            QStringLiteral("%1/usb/lp%2").arg(devRoot_).arg(number),
            QStringLiteral("%1/usblp%2").arg(devRoot_).arg(number),
        };
        for (const QString& node : candidates) {
            if (!QFileInfo::exists(node)) continue;
            if (openableReadWrite(node)) {
                devices_.push_back(
                    {node, QStringLiteral("USB%1").arg(devices_.size() + 1, 3, 10, QLatin1Char('0')), productId});
            }
            break;
        }
    }
    return count();
}

const UsbDeviceEntry* UsbPrinterPort::getAt(int index) const {
    return index >= 0 && index < count() ? &devices_[static_cast<std::size_t>(index)] : nullptr;
}

const UsbDeviceEntry* UsbPrinterPort::findByName(const QString& name) const {
    const auto it = std::find_if(devices_.begin(), devices_.end(),
                                 [&name](const UsbDeviceEntry& entry) { return entry.displayName == name; });
    return it == devices_.end() ? nullptr : &*it;
}

}  // namespace corvane::transport
