#include "exchange/config_exchange.h"

#include <optional>
#include <string_view>

#include "framing.h"

namespace corvane::link {

std::optional<Bytes> WriteAndRead(LinkPort& port, ByteSpan bytes, ReplyShape shape,
                                  const std::function<void()>& sent) {
    if (bytes.empty() || SendRequest(port, bytes) == 0) {
        return std::nullopt;
    }
    if (sent) {
        sent();
    }
    Bytes reply;
    if (!port.Read(reply, shape)) {
        return std::nullopt;
    }
    return reply;
}

std::optional<Bytes> Converse(LinkPort& port, ByteSpan message, ReplyShape shape,
                              const std::function<void()>& sent) {
    if (message.empty()) {
        return std::nullopt;
    }
    return WriteAndRead(port, EncodeFrame(message), shape, sent);
}

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
