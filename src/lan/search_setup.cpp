#include "lan/search_setup.h"

#include <QEventLoop>

#include "lan/discovery_search.h"
#include "lan/request_failure.h"
#include "link/exchange/discovery_exchange.h"
#include "link/string_table.h"
#include "transport/udp_channel.h"
#include "transport/udp_datagram_port.h"

namespace corvane::lan {

bool runSearch(const SearchSetup& setup, link::DeviceList& devices, QString* error, QStringList* adapterFailures) {
    if (!setup.adapters.isEmpty()) {
        // Every adapter at once: their searches run side by side on the event loop.
        QEventLoop loop;
        EveryAdapterSearch search(setup.mode, setup.adapters, setup.endpoints, devices);
        search.setTickInterval(setup.tickMs);
        QObject::connect(&search, &EveryAdapterSearch::finished, &loop, &QEventLoop::quit);
        if (!search.start()) {
            *error = search.failures().join(QLatin1Char('\n'));
            return false;
        }
        if (adapterFailures) *adapterFailures = search.failures();
        if (search.isRunning()) loop.exec();
        return true;
    }
    // One address: the exchange itself, waiting on the port.
    devices.clearDevices();
    transport::UdpChannel channel;
    if (!channel.bind(setup.endpoints.localPortFor(setup.mode), setup.localAddress)) {
        *error = numberedText(kSearchNotStarted, channelFailureText(channel.failure()));
        return false;
    }
    transport::UdpDatagramPort port(channel);
    link::DiscoveryPlan plan = discoveryPlan(setup.mode, setup.endpoints, setup.broadcastAddress);
    plan.collect = std::chrono::milliseconds(setup.tickMs * DiscoverySearch::kTicks);
    const auto found = link::RunDiscovery(port, plan, nullptr, setup.onRequestsSent);
    if (!found) {
        *error = numberedText(kSearchNotStarted, channelFailureText(channel.failure()));
        return false;
    }
    for (link::DiscoveredDevice device : *found) {
        device.unicast = setup.endpoints.unicastTargets();
        device.localAddress = setup.localAddress.toStdString();
        devices.addOrUpdate(device);
    }
    return true;
}

}  // namespace corvane::lan
