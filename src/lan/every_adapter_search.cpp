#include "lan/every_adapter_search.h"

#include "lan/discovery_search.h"
#include "lan/request_failure.h"
#include "link/string_table.h"
#include "transport/local_addresses.h"

namespace corvane::lan {

QString Adapter::label() const {
    return interfaceName.isEmpty() ? address : address + QLatin1Char(' ') + interfaceName;
}

QList<Adapter> everyLocalAdapter(const transport::LocalAddressModel::AddressSource& source) {
    transport::LocalAddressModel model(source);
    QList<Adapter> adapters;
    if (!model.load()) return adapters;
    for (const QString& address : model.rows()) adapters.append({address, transport::interfaceNameOf(address)});
    return adapters;
}

EveryAdapterSearch::EveryAdapterSearch(link::ListMode mode, QList<Adapter> adapters, transport::LanEndpoints endpoints,
                                       link::DeviceList& devices, QObject* parent)
    : QObject(parent),
      mode_(mode),
      adapters_(std::move(adapters)),
      endpoints_(std::move(endpoints)),
      devices_(devices) {}

EveryAdapterSearch::~EveryAdapterSearch() = default;

bool EveryAdapterSearch::start() {
    devices_.clearDevices();
    lists_.clear();
    searches_.clear();
    failures_.clear();
    running_ = 0;
    progress_ = 0;
    statusText_ = nowSearchingText();
    for (const Adapter& adapter : adapters_) {
        lists_.push_back(std::make_unique<link::DeviceList>());
        auto search = std::make_unique<DiscoverySearch>(
            mode_, adapter.address, transport::broadcastAddressFor(adapter.address), endpoints_, *lists_.back());
        search->setTickInterval(tickMs_);
        connect(search.get(), &DiscoverySearch::finished, this, &EveryAdapterSearch::onSearchFinished);
        if (search->start()) {
            ++running_;
            // The searches tick in step; the one furthest on speaks for all
            // (a WLAN search may end early on a short answer).
            connect(search.get(), &DiscoverySearch::ticked, this, [this](int progress, const QString& text) {
                if (progress <= progress_) return;
                progress_ = progress;
                statusText_ = text;
                emit ticked(progress, text);
            });
        } else {
            failures_ << adapter.label() + QStringLiteral(": ") +
                             numberedText(kSearchNotStarted, channelFailureText(search->failure()));
        }
        searches_.push_back(std::move(search));
    }
    return running_ > 0;
}

void EveryAdapterSearch::cancel() {
    for (const auto& search : searches_) search->cancel();
}

void EveryAdapterSearch::onSearchFinished() {
    if (running_ == 0 || --running_ > 0) return;
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        const std::string adapter = adapters_[static_cast<qsizetype>(i)].label().toStdString();
        for (int n = 1; const link::DiscoveredDevice* d = lists_[i]->deviceAt(n); ++n) {
            link::DiscoveredDevice copy = *d;
            copy.adapter = adapter;
            devices_.addOrUpdate(copy);
        }
    }
    emit finished();
}

}  // namespace corvane::lan
