#include "lan/verify_search.h"

#include <algorithm>

#include "lan/request_failure.h"
#include "link/string_table.h"
#include "rules/lan_verify.h"

namespace corvane::lan {

VerifySearch::VerifySearch(const SearchSetup& setup, std::vector<ChangedPrinter> changed, const VerifyTiming& timing,
                           QObject* parent)
    : QObject(parent),
      changed_(std::move(changed)),
      channel_(new transport::UdpChannel(this)),
      port_(*channel_),
      exchange_(port_, verifyRequestFor(setup, changed_, timing), sentRecords(changed_), rules::ShowsChange) {
    channel_->setLocalPort(setup.endpoints.localPortFor(setup.mode));
    channel_->setLocalAddress(setup.localAddress);
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    // Queued from the channel's receiving thread; each step takes what has arrived.
    connect(channel_, &transport::UdpChannel::datagramArrived, this, &VerifySearch::step);
    connect(&wake_, &QTimer::timeout, this, &VerifySearch::step);
}

VerifySearch::~VerifySearch() = default;

void VerifySearch::start() {
    running_ = true;
    exchange_.start();
    step();
}

void VerifySearch::cancel() {
    if (!running_) return;
    exchange_.cancel();
    finish();
}

void VerifySearch::step() {
    if (!running_) {
        port_.discardPending();
        return;
    }
    const auto stepped = exchange_.step([this](std::chrono::milliseconds elapsed, std::chrono::milliseconds limit) {
        emit searching(static_cast<int>(elapsed.count() / 1000), static_cast<int>(limit.count() / 1000));
    });
    if (!stepped) error_ = numberedText(kSearchNotStarted, channelFailureText(channel_->failure()));
    if (exchange_.over()) {
        finish();
        return;
    }
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(exchange_.nextWake() - port_.now()).count();
    wake_.start(static_cast<int>(std::clamp<long long>(left, 0, 24 * 3600 * 1000)));
}

void VerifySearch::finish() {
    wake_.stop();
    running_ = false;
    if (searched()) {
        results_ = verificationsOf(changed_, exchange_.outcome());
    } else {
        results_.assign(changed_.size(), Verification{});
    }
    emit finished();
}

}  // namespace corvane::lan
