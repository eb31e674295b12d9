// A discovery search from every local IPv4 address at once: one search per
// adapter, each bound to its own address and sent to its own ".255" address,
// all running side by side for the one search time. The answers land in the
// device list adapter by adapter, each row marked with the adapter it came
// in on, so a printer answering on two adapters is listed twice.
#pragma once

#include <memory>
#include <vector>

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "link/discovered_device.h"
#include "transport/endpoints.h"
#include "transport/local_addresses.h"

namespace corvane::lan {

class DiscoverySearch;

// One local address and the name of its interface ("eth0"; empty when unknown).
struct Adapter {
    QString address;
    QString interfaceName;
    // "10.0.0.5 eth0", or the address alone.
    QString label() const;
};

// Every address the local address window offers, with its interface. Empty
// when this computer has no usable address.
QList<Adapter> everyLocalAdapter(
    const transport::LocalAddressModel::AddressSource& source = transport::systemIpv4Addresses);

class EveryAdapterSearch : public QObject {
    Q_OBJECT
public:
    EveryAdapterSearch(link::ListMode mode, QList<Adapter> adapters, transport::LanEndpoints endpoints,
                       link::DeviceList& devices, QObject* parent = nullptr);
    ~EveryAdapterSearch() override;

    void setTickInterval(int ms) { tickMs_ = ms; }

    // Empties the list and starts every adapter's search. An adapter that
    // cannot be used does not stop the others; failures() says why for
    // each. False when none could start.
    bool start();
    // Stops every search; what has arrived stays in the list.
    void cancel();

    bool isRunning() const { return running_ > 0; }
    int progress() const { return progress_; }
    const QString& statusText() const { return statusText_; }
    // One numbered message per adapter whose search could not start.
    const QStringList& failures() const { return failures_; }

signals:
    // The progress of the searches, as one search reports it.
    void ticked(int progress, const QString& statusText);
    // Once, when every search has ended; the list then holds the answers.
    void finished();

private:
    void onSearchFinished();

    link::ListMode mode_;
    QList<Adapter> adapters_;
    transport::LanEndpoints endpoints_;
    link::DeviceList& devices_;
    std::vector<std::unique_ptr<link::DeviceList>> lists_;
    std::vector<std::unique_ptr<DiscoverySearch>> searches_;
    QStringList failures_;
    int tickMs_ = 100;
    int running_ = 0;
    int progress_ = 0;
    QString statusText_;
};

}  // namespace corvane::lan
