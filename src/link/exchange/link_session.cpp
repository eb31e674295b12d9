#include "link/exchange/link_session.h"

#include <utility>

#include "link/exchange/config_exchange.h"
#include "link/exchange/vendor_check.h"

namespace corvane::link {

std::optional<StringId> ConnectMessage(ConnectOutcome outcome) {
    switch (outcome) {
    case ConnectOutcome::PortNotOpened:
    case ConnectOutcome::MakerMismatch: return kUnableToOpenPort;
    case ConnectOutcome::ReadFailed: return kConnectFailed;
    case ConnectOutcome::Connected: return kPrinterConnected;
    case ConnectOutcome::Cancelled: return std::nullopt;
    }
    return std::nullopt;
}

LinkSession::LinkSession(OpenableLinkPort& port, LinkWaits waits, ExchangeLimits limits)
    : port_(port), waits_(std::move(waits)), limits_(limits) {}

LinkSession::~LinkSession() {
    if (connected_) {
        port_.Close();
    }
}

ConnectOutcome LinkSession::connect() {
    connected_ = false;
    systemInfo_ = {};
    config_ = {};
    layout_ = ConfigLayout::Older;

    openError_ = {};
    if (const OpenResult opened = port_.Open(); !opened) {
        openError_ = opened.error();
        return ConnectOutcome::PortNotOpened;
    }
    switch (VendorCheck(port_, waits_, limits_)) {
    case VendorCheckResult::Ok: break;
    case VendorCheckResult::MakerMismatch: port_.Close(); return ConnectOutcome::MakerMismatch;
    case VendorCheckResult::Cancelled: port_.Close(); return ConnectOutcome::Cancelled;
    }
    waits_.report({LinkStep::Reading});
    const auto read = ReadConfig(port_);
    if (!read) {
        port_.Close();
        return waits_.cancelled() ? ConnectOutcome::Cancelled : ConnectOutcome::ReadFailed;
    }
    systemInfo_ = read->systemInfo;
    config_ = read->config;
    layout_ = read->layout;
    connected_ = true;
    return ConnectOutcome::Connected;
}

void LinkSession::disconnect() {
    port_.Close();
    connected_ = false;
}

Result<void> LinkSession::save(const PrinterConfig& config, const std::function<void()>& sent) {
    if (!connected_) {
        return Error{Failure::Invalid, "not connected"};
    }
    waits_.report({LinkStep::Saving});
    return SendConfig(port_, config, layout_, sent);
}

}  // namespace corvane::link
