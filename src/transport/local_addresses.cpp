#include "transport/local_addresses.h"

#include <algorithm>

#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkInterface>

namespace corvane::transport {

LocalAddresses systemIpv4Addresses() {
    LocalAddresses addresses;
    for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces()) {
        const auto flags = iface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning)) continue;
        for (const QNetworkAddressEntry& entry : iface.addressEntries()) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
                addresses.append({entry.ip().toString(), iface.name(), iface.humanReadableName()});
        }
    }
    return addresses;
}

QString addressRowText(const LocalAddress& address) {
    if (address.interfaceName.isEmpty()) return address.address;
    QString text = QStringLiteral("%1 — %2").arg(address.address, address.interfaceName);
    if (!address.humanName.isEmpty() && address.humanName != address.interfaceName)
        text += QStringLiteral(" (%1)").arg(address.humanName);
    return text;
}

QString netmaskOf(const QString& address) {
    QHostAddress wanted;
    if (!wanted.setAddress(address) || wanted.protocol() != QAbstractSocket::IPv4Protocol) return {};
    for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces()) {
        for (const QNetworkAddressEntry& entry : iface.addressEntries()) {
            if (entry.ip().isEqual(wanted)) return entry.netmask().toString();
        }
    }
    return {};
}

QString interfaceNameOf(const QString& address) {
    QHostAddress wanted;
    if (!wanted.setAddress(address)) return {};
    for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces()) {
        for (const QNetworkAddressEntry& entry : iface.addressEntries()) {
            if (entry.ip().isEqual(wanted)) return iface.name();
        }
    }
    return {};
}

bool isLoopbackAddress(const QString& address) {
    QHostAddress parsed;
    return parsed.setAddress(address) && parsed.protocol() == QAbstractSocket::IPv4Protocol && parsed.isLoopback();
}

QString broadcastAddressFrom(const QString& localAddress, const QString& netmask, const QString& interfaceBroadcast) {
    QHostAddress local, mask, broadcast;
    const auto ipv4 = [](QHostAddress& a, const QString& text) {
        return a.setAddress(text) && a.protocol() == QAbstractSocket::IPv4Protocol;
    };
    if (ipv4(local, localAddress) && !local.isLoopback()) {
        if (ipv4(broadcast, interfaceBroadcast) && !broadcast.isEqual(QHostAddress::AnyIPv4)) {
            return broadcast.toString();
        }
        // A mask with at least two host bits leaves room for a broadcast address.
        const quint32 hostBits = ipv4(mask, netmask) ? ~mask.toIPv4Address() : 0;
        if (hostBits >= 3 && (hostBits & (hostBits + 1)) == 0) {
            return QHostAddress(local.toIPv4Address() | hostBits).toString();
        }
    }
    const qsizetype dot = localAddress.lastIndexOf(QLatin1Char('.'));
    const QString prefix = dot > 0 ? localAddress.left(dot) : QString();
    return prefix + QStringLiteral(".255");
}

QString broadcastAddressFor(const QString& localAddress) {
    QHostAddress wanted;
    if (wanted.setAddress(localAddress) && wanted.protocol() == QAbstractSocket::IPv4Protocol) {
        for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces()) {
            for (const QNetworkAddressEntry& entry : iface.addressEntries()) {
                if (!entry.ip().isEqual(wanted)) continue;
                return broadcastAddressFrom(localAddress, entry.netmask().toString(),
                                            entry.broadcast().isNull() ? QString() : entry.broadcast().toString());
            }
        }
    }
    return broadcastAddressFrom(localAddress, {}, {});
}

LocalAddressModel::LocalAddressModel(AddressSource addresses, HostNameSource hostName)
    : addresses_(std::move(addresses)), hostNameSource_(std::move(hostName)) {
    if (!hostNameSource_) hostNameSource_ = [] { return QHostInfo::localHostName(); };
}

bool LocalAddressModel::load() {
    hostName_ = hostNameSource_();
    // In text order of the address; an address on two interfaces is listed
    // once, with the first.
    LocalAddresses usable;
    for (const LocalAddress& entry : addresses_ ? addresses_() : LocalAddresses()) {
        const bool listed = std::any_of(usable.begin(), usable.end(),
                                        [&entry](const LocalAddress& u) { return u.address == entry.address; });
        if (!isLoopbackAddress(entry.address) && !listed) usable.append(entry);
    }
    std::stable_sort(usable.begin(), usable.end(),
                     [](const LocalAddress& a, const LocalAddress& b) { return a.address < b.address; });
    rows_.clear();
    rowTexts_.clear();
    for (const LocalAddress& entry : usable) {
        rows_.append(entry.address);
        rowTexts_.append(addressRowText(entry));
    }
    selected_ = defaultRow();
    return !empty();
}

bool LocalAddressModel::select(int row) {
    if (row < 0 || row >= rows_.size()) return false;
    selected_ = row;
    return true;
}

QString LocalAddressModel::localAddress() const {
    return selected_ >= 0 && selected_ < rows_.size() ? rows_[selected_] : QString();
}

QString LocalAddressModel::broadcastAddress() const {
    const QString local = localAddress();
    return local.isEmpty() ? QString() : broadcastAddressFor(local);
}

}  // namespace corvane::transport
