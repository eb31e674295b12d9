#include "exchange/config_exchange.h"

#include <optional>
#include <string_view>

#include "framing.h"

namespace corvane::link {
namespace {

// Writes `message` as a printer command frame and reads the reply frame.
// A frame that cannot be built or is not written at all fails the exchange
// at once instead of waiting for a reply that cannot come.
std::optional<Bytes> Converse(LinkPort& port, ByteSpan message) {
    if (message.empty()) {
        return std::nullopt;
    }
    Bytes frame = EncodeFrame(message);
    if (frame.empty() || SendRequest(port, frame) == 0) {
        return std::nullopt;
    }
    Bytes reply;
    if (!port.Read(reply, ReplyShape::Frame)) {
        return std::nullopt;
    }
    return reply;
}

}  // namespace

bool EnterConfigMode(LinkPort& port) {
    const auto command = ModeCommand(kModeConfig);
    if (SendRequest(port, command) < command.size()) {
        return false;
    }
    Bytes reply;
    return port.Read(reply, ReplyShape::ModeAck) && IsModeAcknowledged(reply, kModeConfig);
}

ReadConfigResult ReadConfig(LinkPort& port) {
    ReadConfigResult result;

    if (!EnterConfigMode(port)) {
        return result;
    }
    auto systemReply = Converse(port, BuildTagOnlyMessage(tag::SysReq));
    if (!systemReply) {
        return result;
    }
    auto systemInfo = ParseSystemInfo(DecodeFrameText(*systemReply));
    if (!systemInfo) {
        return result;
    }

    if (!EnterConfigMode(port)) {
        return result;
    }
    auto configReply = Converse(port, BuildTagOnlyMessage(tag::IfGet));
    if (!configReply) {
        return result;
    }
    // The two layouts differ only in length; the reply frame's length tells
    // which one the printer uses.
    const ConfigLayout layout = LayoutForReplyLength(configReply->size());
    auto config = ParseConfig(DecodeFrameText(*configReply), layout);
    if (!config) {
        return result;
    }

    result.ok = true;
    result.systemInfo = *systemInfo;
    result.config = *config;
    result.layout = layout;
    return result;
}

bool SendConfig(LinkPort& port, const PrinterConfig& config, ConfigLayout layout) {
    if (!EnterConfigMode(port)) {
        return false;
    }
    const Bytes message = BuildIfSetMessage(config, layout);
    if (message.size() > kMessageAreaSize) {
        return false;
    }
    auto reply = Converse(port, message);
    return reply && VerifyIfMessage(DecodeFrameText(*reply), tag::IfSuc);
}

}  // namespace corvane::link
