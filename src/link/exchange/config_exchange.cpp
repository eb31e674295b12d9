#include "link/exchange/config_exchange.h"

#include <algorithm>
#include <string_view>

#include "link/framing.h"
#include "link/reply_shape.h"

namespace corvane::link {

Result<Bytes> WriteAndRead(LinkPort& port, ByteSpan bytes, ReplyShape shape, const std::function<void()>& sent) {
    if (bytes.empty() || SendRequest(port, bytes) == 0) {
        return Error{Failure::NotSent, "the request could not be written"};
    }
    if (sent) {
        sent();
    }
    Bytes reply;
    if (!port.Read(reply, shape)) {
        return Error{Failure::NoAnswer, "no reply from the printer"};
    }
    return reply;
}

Result<Bytes> Converse(LinkPort& port, ByteSpan message, ReplyShape shape, const std::function<void()>& sent) {
    if (message.empty()) {
        return Error{Failure::Invalid, "no message to send"};
    }
    return WriteAndRead(port, EncodeFrame(message), shape, sent);
}

Result<void> EnterConfigMode(LinkPort& port) {
    const auto command = ModeCommand(kModeConfig);
    if (SendRequest(port, command) < command.size()) {
        return Error{Failure::NotSent, "the configuration mode command could not be written"};
    }
    Bytes reply;
    if (!port.Read(reply, ReplyShape::ModeAck)) {
        return Error{Failure::NoAnswer, "the printer did not answer the configuration mode command"};
    }
    if (!IsModeAcknowledged(ReplyFrom(reply), kModeConfig)) {
        return Error{Failure::BadAnswer, "the printer did not acknowledge the configuration mode"};
    }
    return {};
}

Result<ConfigRecords> ReadConfig(LinkPort& port) {
    if (auto entered = EnterConfigMode(port); !entered) {
        return entered.error();
    }
    auto systemReply = Converse(port, BuildTagOnlyMessage(tag::kSysReq));
    if (!systemReply) {
        return systemReply.error();
    }
    auto systemInfo = ParseSystemInfo(DecodeFrameText(FrameIn(*systemReply)));
    if (!systemInfo) {
        return Error{Failure::BadAnswer, "the system record was not accepted"};
    }

    if (auto entered = EnterConfigMode(port); !entered) {
        return entered.error();
    }
    auto configReply = Converse(port, BuildTagOnlyMessage(tag::kIfGet));
    if (!configReply) {
        return configReply.error();
    }
    // The two layouts differ only in length; the reply frame's length tells
    // which one the printer uses (an echo or tail around the frame not counted).
    const ByteSpan configFrame = FrameIn(*configReply);
    const ConfigLayout layout = LayoutForReplyLength(configFrame.size());
    auto config = ParseConfig(DecodeFrameText(configFrame), layout);
    if (!config) {
        return Error{Failure::BadAnswer, "the configuration record was not accepted"};
    }
    return ConfigRecords{*systemInfo, *config, layout};
}

Result<void> SendConfig(LinkPort& port, const PrinterConfig& config, ConfigLayout layout,
                        const std::function<void()>& sent) {
    if (auto entered = EnterConfigMode(port); !entered) {
        return entered;
    }
    const Bytes message = BuildIfSetMessage(config, layout);
    if (message.size() > kMessageAreaSize) {
        return Error{Failure::Invalid, "the configuration does not fit one message"};
    }
    auto reply = Converse(port, message, ReplyShape::Frame, sent);
    if (!reply) {
        return reply.error();
    }
    const Bytes answer = DecodeFrameText(FrameIn(*reply));
    if (VerifyIfMessage(answer, tag::kIfSuc)) {
        return {};
    }
    // A tagged message under a good checksum is the printer's word; anything
    // else is an answer that could not be read.
    constexpr std::string_view kTagStart = "__[I_F]__[";
    const ByteSpan start = AsBytes(kTagStart);
    if (answer.size() >= kTagLength && std::equal(start.begin(), start.end(), answer.begin()) &&
        InternetChecksum(answer) == 0) {
        return Error{Failure::Refused, "the printer answered without confirming the configuration"};
    }
    return Error{Failure::BadAnswer, "the printer's answer to the configuration could not be read"};
}

}  // namespace corvane::link
