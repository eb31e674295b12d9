#include "pty_printer.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "link/bss.h"
#include "link/framing.h"
#include "link/printer_config.h"

namespace corvane::robustness {

namespace {

using namespace corvane::link;

Bytes Join(std::string_view tagText, const Bytes& body) {
    Bytes content = ToBytes(tagText);
    content.insert(content.end(), body.begin(), body.end());
    return content;
}

constexpr std::uint8_t kGs = 0x1D;

}  // namespace

Bytes ModeAcknowledgement() { return {ReplyHeader[0], ReplyHeader[1], ReplyHeader[2], kModeConfig}; }

Bytes MakerNameReply() { return {0x5F, 'Z', 'E', 'P', 'H', 'R', 'A', 'N', 0x00}; }

Bytes SystemReplyFrame() {
    const Bytes record = SerializeSystemInfo({"2.31", "2024/03/18", {0x00, 0x11, 0x22, 0xAA, 0xBB, 0xCC}});
    Bytes frame = EncodeFrame(BuildIfMessage(Join(tag::SysRsp, record)));
    std::copy(ReplyHeader.begin(), ReplyHeader.end(), frame.begin());
    return frame;
}

Bytes ConfigurationReplyFrame() {
    PrinterConfig config;
    config.printerName = "PTY-PRINTER";
    config.ssid = "robust";
    config.printerPort = 9100;
    config.userId = "admin";
    config.userPassword = "admin";
    config.setCommunity = "private";
    config.getCommunity = "public";
    config.trapCommunity = "trap";
    Bytes frame = EncodeFrame(BuildIfMessage(Join(tag::IfCur, SerializeConfig(config, ConfigLayout::Newer))));
    std::copy(ReplyHeader.begin(), ReplyHeader.end(), frame.begin());
    return frame;
}

Bytes SurveyReplyFrame() {
    const Bytes body{0x00, 4, 'm', 'e', 's', 'h', 0x01, 6, 0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 0x00, 0xFF, 0xC4, 0x08};
    Bytes frame = EncodeFrame(BuildIfMessage(Join(tag::BssRsp, body)));
    std::copy(ReplyHeader.begin(), ReplyHeader.end(), frame.begin());
    return frame;
}

PtyPrinter::PtyPrinter(Script script) : script_(std::move(script)) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) return;
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        ::close(master_);
        master_ = -1;
        return;
    }
    slavePath_ = ::ptsname(master_);
    slaveKeeper_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY);
    // A raw line: no echo of what the tool writes, no byte translated.
    termios raw{};
    ::tcgetattr(slaveKeeper_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slaveKeeper_, TCSANOW, &raw);
    thread_ = std::thread([this] { serve(); });
}

PtyPrinter::~PtyPrinter() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (slaveKeeper_ >= 0) ::close(slaveKeeper_);
    if (master_ >= 0) ::close(master_);
}

std::vector<PtyPrinter::Request> PtyPrinter::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

void PtyPrinter::send(const Bytes& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto n = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (n <= 0) return;
        done += static_cast<std::size_t>(n);
    }
}

void PtyPrinter::handle(Request request) {
    int count = 0;
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
        count = static_cast<int>(std::count(requests_.begin(), requests_.end(), request));
    }
    const Answer answer = script_(request, count);
    send(answer.before);
    if (answer.pauseMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(answer.pauseMs));
    if (answer.reply) {
        switch (request) {
        case Request::MakerName: send(MakerNameReply()); break;
        case Request::Mode: send(ModeAcknowledgement()); break;
        case Request::SystemRecord: send(SystemReplyFrame()); break;
        case Request::Configuration: send(ConfigurationReplyFrame()); break;
        case Request::Survey: send(SurveyReplyFrame()); break;
        case Request::Other: break;
        }
    }
    if (answer.afterPauseMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(answer.afterPauseMs));
    send(answer.after);
}

// Cuts requests out of the byte stream: GS a n and GS I n (3 bytes), the mode
// command (1F 57 43 m 1D 1F 03) and frames (1F 57 43, hex text, 03).
void PtyPrinter::serve() {
    Bytes pending;
    while (!stop_) {
        pollfd p{master_, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0 || (p.revents & POLLIN) == 0) continue;
        std::uint8_t buffer[4096];
        const auto n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0) continue;
        pending.insert(pending.end(), buffer, buffer + n);

        while (!pending.empty()) {
            if (pending[0] == kGs) {
                if (pending.size() < 3) break;
                const bool makerRequest = pending[1] == 0x49 && pending[2] == 0x42;
                pending.erase(pending.begin(), pending.begin() + 3);
                if (makerRequest) handle(Request::MakerName);
                continue;
            }
            if (pending[0] == FrameHeader[0]) {
                if (pending.size() < 7) break;
                if (pending[4] == 0x1D && pending[5] == 0x1F && pending[6] == FrameEnd) {
                    pending.erase(pending.begin(), pending.begin() + 7);
                    handle(Request::Mode);
                    continue;
                }
                const auto end = std::find(pending.begin() + 3, pending.end(), FrameEnd);
                if (end == pending.end()) break;
                const Bytes frame(pending.begin(), end + 1);
                pending.erase(pending.begin(), end + 1);
                const Bytes message = DecodeFrameText(frame);
                const auto is = [&message](std::string_view t) { return VerifyIfMessage(message, t); };
                handle(is(tag::SysReq)   ? Request::SystemRecord
                       : is(tag::IfGet)  ? Request::Configuration
                       : is(tag::BssReq) ? Request::Survey
                                         : Request::Other);
                continue;
            }
            pending.erase(pending.begin());  // a byte that starts nothing
        }
    }
}

}  // namespace corvane::robustness
