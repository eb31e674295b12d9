#include "exchange/link_session.h"

#include <utility>

#include "exchange/config_exchange.h"
#include "exchange/vendor_check.h"

namespace corvane::link {

std::optional<StringId> connectMessage(ConnectOutcome outcome) {
    switch (outcome) {
    case ConnectOutcome::PortNotOpened:
    case ConnectOutcome::MakerMismatch:
        return kUnableToOpenPort;
    case ConnectOutcome::ReadFailed:
        return kConnectFailed;
    case ConnectOutcome::Connected:
        return kPrinterConnected;
    }
    return std::nullopt;
}

LinkSession::LinkSession(OpenableLinkPort& port, SleepFn sleep, ExchangeLimits limits)
    : port_(port), sleep_(std::move(sleep)), limits_(limits) {}

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
    if (VendorCheck(port_, sleep_, limits_) != VendorCheckResult::Ok) {
        port_.Close();
        return ConnectOutcome::MakerMismatch;
    }
    ReadConfigResult read = ReadConfig(port_);
    if (!read.ok) {
        port_.Close();
        return ConnectOutcome::ReadFailed;
    }
    systemInfo_ = read.systemInfo;
    config_ = read.config;
    layout_ = read.layout;
    connected_ = true;
    return ConnectOutcome::Connected;
}

void LinkSession::disconnect() {
    port_.Close();
    connected_ = false;
}

bool LinkSession::save(const PrinterConfig& config) {
    return connected_ && SendConfig(port_, config, layout_);
}

}  // namespace corvane::link
