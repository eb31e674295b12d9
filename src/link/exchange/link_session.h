// One direct-link connection as the Connect, Disconnect and Save buttons (or
// the command line) drive it: open the port, check the maker, read the
// records; write the configuration back; close the port.
#pragma once

#include <functional>
#include <optional>

#include "link/exchange/exchange_limits.h"
#include "link/exchange/link_waits.h"
#include "link/exchange/openable_link_port.h"
#include "link/printer_config.h"
#include "link/string_table.h"

namespace corvane::link {

enum class ConnectOutcome {
    PortNotOpened,  // kUnableToOpenPort with the cause, openError()
    MakerMismatch,  // kMakerMismatchText ("Warning"), then kUnableToOpenPort
    ReadFailed,     // kConnectFailed
    Connected,      // kPrinterConnected
    Cancelled,      // the user asked for it: nothing to show
};

// The numbered message that ends a Connect. When the port did not open it is
// followed by the cause (openError()); a maker mismatch shows the maker
// warning before it.
std::optional<StringId> ConnectMessage(ConnectOutcome outcome);

class LinkSession {
public:
    LinkSession(OpenableLinkPort& port, LinkWaits waits, ExchangeLimits limits = {});
    // Closes the port if this session left it connected.
    ~LinkSession();
    LinkSession(const LinkSession&) = delete;
    LinkSession& operator=(const LinkSession&) = delete;

    // Opens the port, checks the maker and reads both records (reported as
    // CheckingPrinter, then Reading). Every failure after the port opened,
    // and a cancel, closes it again.
    ConnectOutcome connect();
    void disconnect();

    // Writes `config` in the layout the printer sent (reported as Saving);
    // fails when not connected or the printer did not confirm. The link stays
    // up either way; after a cancel (waits().cancelled()) the caller decides.
    // `sent` is called once the record went out (see SendConfig).
    Result<void> save(const PrinterConfig& config, const std::function<void()>& sent = {});

    bool connected() const { return connected_; }
    // Why the port did not open, after a Connect that ended PortNotOpened.
    const OpenError& openError() const { return openError_; }
    // The records of the last successful Connect.
    const PrinterSystemInfo& systemInfo() const { return systemInfo_; }
    const PrinterConfig& config() const { return config_; }
    ConfigLayout layout() const { return layout_; }

    OpenableLinkPort& port() { return port_; }
    const LinkWaits& waits() const { return waits_; }
    const ExchangeLimits& limits() const { return limits_; }

private:
    OpenableLinkPort& port_;
    LinkWaits waits_;
    ExchangeLimits limits_;
    bool connected_ = false;
    OpenError openError_;
    PrinterSystemInfo systemInfo_;
    PrinterConfig config_;
    ConfigLayout layout_ = ConfigLayout::Older;
};

}  // namespace corvane::link
