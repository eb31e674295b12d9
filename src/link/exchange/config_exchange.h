// Reading and writing the printer's configuration over an open direct link:
// the system record and configuration record at Connect, IF__SET at Save.
#pragma once

#include <functional>

#include "link/link_port.h"
#include "link/printer_config.h"
#include "link/result.h"

namespace corvane::link {

struct ConfigRecords {
    PrinterSystemInfo systemInfo;
    PrinterConfig config;
    // The layout of the record read; Save writes back in the same layout.
    ConfigLayout layout = ConfigLayout::Older;
};

// SYS_REQ then IF__GET, each after an acknowledged mode command. A failed
// write, a missing reply or a rejected record fails the read, and says which.
Result<ConfigRecords> ReadConfig(LinkPort& port);

// Sends `config` as IF__SET in `layout`; succeeds when the printer confirms
// with a verified IF__SUC message. A readable message with another tag fails
// as Refused; `sent`, when set, is called once the IF__SET frame went out
// (from then on the printer may hold the record, whatever the answer).
Result<void> SendConfig(LinkPort& port, const PrinterConfig& config, ConfigLayout layout,
                        const std::function<void()>& sent = {});

// The opening step shared by every configuration exchange: the mode command
// 0x7F written whole and acknowledged with 1F 57 4D 7F.
Result<void> EnterConfigMode(LinkPort& port);

// Writes `bytes` as they stand and reads the reply of `shape`. Bytes that are
// empty or not written at all fail the exchange at once instead of waiting
// for a reply that cannot come; `sent`, when set, is called once they went.
Result<Bytes> WriteAndRead(LinkPort& port, ByteSpan bytes, ReplyShape shape, const std::function<void()>& sent = {});
// The same with `message` sent as a printer command frame.
Result<Bytes> Converse(LinkPort& port, ByteSpan message, ReplyShape shape = ReplyShape::Frame,
                       const std::function<void()>& sent = {});

}  // namespace corvane::link
