#include "link_session.h"

#include <algorithm>
#include <utility>

#include "lan_responder.h"
#include "link/framing.h"

namespace corvane::sim {

namespace {

constexpr std::uint8_t kGs = 0x1D;
constexpr std::uint8_t kGsStatus = 0x61;  // GS a n
constexpr std::uint8_t kGsInfo = 0x49;    // GS I n
constexpr std::uint8_t kInfoMaker = 66;
constexpr std::uint8_t kMakerMarker = 0x5F;
constexpr std::array<std::uint8_t, 3> kModeTail{0x1D, 0x1F, 0x03};
constexpr std::size_t kModeCommandLength = 7;
// The answer to a rejected message or chunk: anything but IF__SUC will do.
constexpr std::string_view kErrorTag = "__[I_F]__[IF__ERR]";
constexpr std::string_view kStart = "STRT";
constexpr std::string_view kBusy = "BUSY";

bool IsHexText(std::uint8_t c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || (c >= '(' && c <= '/');
}

bool IsCertificateMode(std::uint8_t mode) {
    return mode > link::kModeCertificateBase && mode <= link::kModeCertificateBase + 3;
}

std::string_view TagOf(ByteSpan message) {
    return {reinterpret_cast<const char*>(message.data()), std::min(message.size(), link::kTagLength)};
}

std::uint32_t Le32(ByteSpan b, std::size_t at) {
    return std::uint32_t{b[at]} | (std::uint32_t{b[at + 1]} << 8) | (std::uint32_t{b[at + 2]} << 16) |
           (std::uint32_t{b[at + 3]} << 24);
}

std::uint32_t Be32(ByteSpan b, std::size_t at) {
    return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) | (std::uint32_t{b[at + 2]} << 8) |
           b[at + 3];
}

Bytes RawReply(std::string_view text) {
    Bytes out(link::kReplyHeader.begin(), link::kReplyHeader.end());
    out.insert(out.end(), text.begin(), text.end());
    return out;
}

Bytes Content(std::string_view tag, ByteSpan body = {}) {
    Bytes out = ToBytes(tag);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

}  // namespace

std::vector<Outgoing> LinkSession::feed(ByteSpan bytes) {
    std::vector<Outgoing> out;
    input_.insert(input_.end(), bytes.begin(), bytes.end());
    while (!input_.empty() && takeCommand(out)) {}
    return out;
}

std::vector<std::string> LinkSession::takeNotes() { return std::exchange(notes_, {}); }

bool LinkSession::takeCommand(std::vector<Outgoing>& out) {
    auto drop = [this](std::size_t n) {
        input_.erase(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(n));
    };
    const std::uint8_t first = input_[0];

    if (first == kGs) {
        if (input_.size() < 3) return false;
        const auto command = input_[1], argument = input_[2];
        drop(3);
        onGs(command, argument, out);
        return true;
    }
    if (first != link::kFrameHeader[0]) {
        // Noise between commands: skip up to the next byte that can start one.
        const auto next = std::find_if(input_.begin(), input_.end(),
                                       [](std::uint8_t b) { return b == kGs || b == link::kFrameHeader[0]; });
        note("skipped " + std::to_string(next - input_.begin()) + " stray byte(s)");
        input_.erase(input_.begin(), next);
        return true;
    }
    for (std::size_t i = 1; i < link::kFrameHeader.size(); ++i) {
        if (input_.size() <= i) return false;
        if (input_[i] != link::kFrameHeader[i]) {
            note("skipped a byte 1F not followed by the frame header");
            drop(1);
            return true;
        }
    }
    if (input_.size() < 4) return false;

    if (IsHexText(input_[3])) {
        const auto end = std::find(input_.begin() + 3, input_.end(), link::kFrameEnd);
        if (end == input_.end()) {
            if (input_.size() > kMaxFrame) {
                note("dropped " + std::to_string(input_.size()) + " bytes of a frame without end byte");
                input_.clear();
            }
            return false;
        }
        const auto length = static_cast<std::size_t>(end - input_.begin()) + 1;
        const Bytes frame(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(length));
        drop(length);
        onFrame(frame, out);
        return true;
    }

    if (input_.size() < kModeCommandLength) return false;
    if (!std::equal(kModeTail.begin(), kModeTail.end(), input_.begin() + 4)) {
        note("skipped a header not followed by a mode command or hex text");
        drop(1);
        return true;
    }
    const auto mode = input_[3];
    drop(kModeCommandLength);
    onMode(mode, out);
    return true;
}

void LinkSession::onGs(std::uint8_t command, std::uint8_t argument, std::vector<Outgoing>& out) {
    const auto& f = printer_.faults;
    if (command == kGsStatus) {
        // Automatic status reports switched on or off; some printers send
        // their status once in reply.
        if (printer_.statusByte >= 0)
            Deliver(f, MessageKind::Status, Bytes{static_cast<std::uint8_t>(printer_.statusByte)}, out);
        return;
    }
    if (command == kGsInfo && argument == kInfoMaker) {
        Bytes answer;
        if (!printer_.makerMissing) answer.push_back(kMakerMarker);
        answer.insert(answer.end(), printer_.makerName.begin(), printer_.makerName.end());
        answer.push_back(0x00);
        Deliver(f, MessageKind::Maker, std::move(answer), out);
        return;
    }
    note("ignored GS command " + std::to_string(command) + " " + std::to_string(argument));
}

void LinkSession::onMode(std::uint8_t mode, std::vector<Outgoing>& out) {
    const auto& f = printer_.faults;
    if (mode == link::kModeConfig) {
        if (f.silent.has(MessageKind::Mode)) {
            armedMode_ = 0;
            return;
        }
        armedMode_ = mode;
        Bytes reply(link::kReplyHeader.begin(), link::kReplyHeader.end());
        reply.push_back(f.modeReply7E ? 0x7E : link::kModeConfig);
        Deliver(f, MessageKind::Mode, std::move(reply), out);
        return;
    }
    if (IsCertificateMode(mode)) {
        armedMode_ = 0;
        if (f.silent.has(MessageKind::CertMode)) return;
        if (strtWithheld_ < f.withholdStrt) {
            ++strtWithheld_;
            Deliver(f, MessageKind::CertMode, RawReply(kBusy), out);
            return;
        }
        strtWithheld_ = 0;
        armedMode_ = mode;
        certificateType_ = mode - link::kModeCertificateBase;
        certificate_.clear();
        chunkIndex_ = 0;
        chunkFailuresSent_ = 0;
        Deliver(f, MessageKind::CertMode, RawReply(kStart), out);
        return;
    }
    note("ignored mode command with mode byte " + std::to_string(mode));
}

void LinkSession::onFrame(ByteSpan frame, std::vector<Outgoing>& out) {
    const Bytes message = link::DecodeFrameText(frame);
    const auto tag = TagOf(message);
    if (tag == link::tag::kFwCert || tag == link::tag::kCertEnd) {
        if (IsCertificateMode(armedMode_)) onCertificateChunk(message, out);
        else note("ignored a certificate chunk without a certificate mode command");
        return;
    }
    if (armedMode_ != link::kModeConfig) {
        note("ignored a frame (" + std::string(tag) + ") not preceded by the mode command 7F");
        return;
    }
    armedMode_ = 0;  // every configuration message needs its own mode command
    onConfigMessage(message, out);
}

void LinkSession::onConfigMessage(ByteSpan message, std::vector<Outgoing>& out) {
    const auto tag = TagOf(message);
    MessageKind kind;
    if (tag == link::tag::kSysReq) kind = MessageKind::kSysReq;
    else if (tag == link::tag::kIfGet) kind = MessageKind::IfGet;
    else if (tag == link::tag::kIfSet) kind = MessageKind::IfSet;
    else if (tag == link::tag::kBssReq) kind = MessageKind::kBssReq;
    else {
        note("ignored a frame with unknown tag '" + std::string(tag) + "'");
        return;
    }
    if (printer_.faults.silent.has(kind)) return;
    if (link::InternetChecksum(message) != 0) {
        note("refused " + std::string(tag) + ": checksum not 0");
        replyFrame(kind, link::BuildIfMessage(Content(kErrorTag)), out);
        return;
    }
    switch (kind) {
    case MessageKind::kSysReq:
        replyFrame(kind, link::BuildIfMessage(Content(link::tag::kSysRsp, link::SerializeSystemInfo(printer_.system))),
                   out);
        break;
    case MessageKind::IfGet:
        replyFrame(
            kind,
            link::BuildIfMessage(Content(link::tag::kIfCur, link::SerializeConfig(printer_.config, printer_.layout))),
            out);
        break;
    case MessageKind::IfSet: {
        const auto recordSize = link::ConfigSize(printer_.layout);
        const auto contentSize = link::kTagLength + recordSize;
        const auto expected = contentSize + (contentSize % 2) + 2;
        if (message.size() != expected) {
            note("refused IF__SET of " + std::to_string(message.size()) + " bytes; this printer's layout needs " +
                 std::to_string(expected));
            replyFrame(kind, link::BuildIfMessage(Content(kErrorTag)), out);
            return;
        }
        if (printer_.faults.refuse.has(kind)) {
            note("refused IF__SET as asked");
            replyFrame(kind, link::BuildIfMessage(Content(kErrorTag)), out);
            return;
        }
        printer_.config = link::ParseConfigRecord(message.subspan(link::kTagLength, recordSize), printer_.layout);
        ++printer_.configWrites;
        note("took IF__SET");
        replyFrame(kind, link::BuildTagOnlyMessage(link::tag::kIfSuc), out);
        break;
    }
    default: replyFrame(kind, BuildSurveyResponse(printer_.survey), out); break;
    }
}

void LinkSession::onCertificateChunk(ByteSpan message, std::vector<Outgoing>& out) {
    const auto& f = printer_.faults;
    if (f.silent.has(MessageKind::CertChunk)) return;
    constexpr std::size_t kHead = link::kTagLength + 8;
    std::string problem;
    std::uint32_t offset = 0, length = 0;
    if (message.size() < kHead + 4) {
        problem = "too short";
    } else {
        offset = Le32(message, link::kTagLength);
        length = Le32(message, link::kTagLength + 4);
        if (length != message.size() - kHead - 4) problem = "length field does not match the chunk";
        else if (link::FrameCrc32(message.first(kHead + length)) != Be32(message, kHead + length))
            problem = "CRC mismatch";
        else if (offset != certificate_.size())
            problem = "offset " + std::to_string(offset) + ", expected " + std::to_string(certificate_.size());
        else if (certificate_.size() + length > kMaxCertificate) problem = "certificate too large";
    }
    if (!problem.empty()) {
        note("refused certificate chunk: " + problem);
        Deliver(f, MessageKind::CertChunk, RawReply(kErrorTag), out);
        return;
    }
    if (f.refuse.has(MessageKind::CertChunk) ||
        ((f.certFailChunk < 0 || f.certFailChunk == chunkIndex_) && chunkFailuresSent_ < f.certFailures)) {
        ++chunkFailuresSent_;
        Deliver(f, MessageKind::CertChunk, RawReply(kErrorTag), out);
        return;
    }
    const auto data = message.subspan(kHead, length);
    certificate_.insert(certificate_.end(), data.begin(), data.end());
    ++chunkIndex_;
    chunkFailuresSent_ = 0;
    if (TagOf(message) == link::tag::kCertEnd) {
        printer_.certificates[certificateType_] = certificate_;
        armedMode_ = 0;
        note("took the certificate");
    }
    Deliver(f, MessageKind::CertChunk, RawReply(link::tag::kIfSuc), out);
}

void LinkSession::replyFrame(MessageKind kind, Bytes message, std::vector<Outgoing>& out) {
    MaybeCorruptChecksum(printer_.faults, kind, message);
    Bytes frame = link::EncodeFrame(message);
    if (frame.empty()) {
        note("answer of " + std::to_string(message.size()) + " bytes does not fit one frame; not sent");
        return;
    }
    std::copy(link::kReplyHeader.begin(), link::kReplyHeader.end(), frame.begin());
    if (printer_.faults.upperHex.has(kind))
        std::transform(frame.begin() + 3, frame.end() - 1, frame.begin() + 3, [](std::uint8_t c) {
            return static_cast<std::uint8_t>(c >= 'a' && c <= 'f' ? c - 'a' + 'A' : c);
        });
    Deliver(printer_.faults, kind, std::move(frame), out);
}

}  // namespace corvane::sim
