// The host's own IPv4 addresses, offered before each search so the user picks
// the interface to search from; and the broadcast address of the chosen
// one's subnet, the destination of the WLAN requests.
#pragma once

#include <functional>

#include <QList>
#include <QString>
#include <QStringList>

namespace corvane::transport {

// One IPv4 address of this computer and the interface that has it.
struct LocalAddress {
    QString address;        // dotted text
    QString interfaceName;  // "eth0"; empty when unknown
    QString humanName;      // the system's own name for it, where it has one
};
using LocalAddresses = QList<LocalAddress>;

// IPv4 addresses of the interfaces that are up and running, in the order the
// system gives them (loopback included; the model drops it).
LocalAddresses systemIpv4Addresses();

// How the local address window shows an address: "192.168.1.20 — eth0
// (Wired connection 1)", the human name only where it differs from the
// interface name.
QString addressRowText(const LocalAddress& address);

// The subnet mask of the interface that owns `address` ("255.255.255.0"),
// empty when no interface of this computer has it.
QString netmaskOf(const QString& address);

// The name of the interface that owns `address` ("eth0"), empty when none.
QString interfaceNameOf(const QString& address);

// True for any address of 127.0.0.0/8.
bool isLoopbackAddress(const QString& address);

// The broadcast address of the subnet `localAddress` is in: the one its
// interface has (192.168.2.255 for 192.168.3.7/23), else the address with
// every bit outside `netmask` set. Where neither tells (a loopback address, a
// /31 or /32, an address no interface has) it is the text before the last "."
// followed by ".255", which is the same on the common /24.
QString broadcastAddressFrom(const QString& localAddress, const QString& netmask, const QString& interfaceBroadcast);

// broadcastAddressFrom with the mask and broadcast address of the interface
// of this computer that has `localAddress`.
QString broadcastAddressFor(const QString& localAddress);

// What the local address window shows: the host name, the usable addresses in
// text order (192.168.1.100 before 192.168.1.20) and the chosen row, the last
// one by default.
class LocalAddressModel {
public:
    using AddressSource = std::function<LocalAddresses()>;
    using HostNameSource = std::function<QString()>;

    // The defaults read the running system; tests pass fixed lists.
    explicit LocalAddressModel(AddressSource addresses = systemIpv4Addresses, HostNameSource hostName = {});

    // Enumerates again: loopback addresses and duplicates left out, sorted as
    // text, last row chosen. Returns false when no address is left.
    bool load();

    // The addresses, and the same rows as the window shows them.
    const QStringList& rows() const { return rows_; }
    const QStringList& rowTexts() const { return rowTexts_; }
    const QString& hostName() const { return hostName_; }
    // No usable address: the window shows message 86 and closes as cancelled.
    bool empty() const { return rows_.isEmpty(); }
    int defaultRow() const { return static_cast<int>(rows_.size()) - 1; }
    int selectedRow() const { return selected_; }

    // Chooses a row; out-of-range rows are ignored. Returns whether it took.
    bool select(int row);
    // The chosen address and its ".255" address; both empty when empty().
    QString localAddress() const;
    QString broadcastAddress() const;

private:
    AddressSource addresses_;
    HostNameSource hostNameSource_;
    QString hostName_;
    QStringList rows_;
    QStringList rowTexts_;
    int selected_ = -1;
};

}  // namespace corvane::transport
