#include "lan/search_setup.h"

#include <QEventLoop>

#include "lan/discovery_search.h"
#include "lan/request_failure.h"
#include "link/string_table.h"

namespace corvane::lan {

bool runSearch(const SearchSetup& setup, link::DeviceList& devices, QString* error, QStringList* adapterFailures) {
    QEventLoop loop;
    if (!setup.adapters.isEmpty()) {
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
    DiscoverySearch search(setup.mode, setup.localAddress, setup.broadcastAddress, setup.endpoints, devices);
    search.setTickInterval(setup.tickMs);
    QObject::connect(&search, &DiscoverySearch::finished, &loop, &QEventLoop::quit);
    if (setup.onRequestsSent) QObject::connect(&search, &DiscoverySearch::requestsSent, &loop, setup.onRequestsSent);
    if (!search.start()) {
        *error = numberedText(kSearchNotStarted, channelFailureText(search.failure()));
        return false;
    }
    if (search.isRunning()) loop.exec();
    return true;
}

}  // namespace corvane::lan
