#include "pty_printer.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "exchange/printer_replies.h"
#include "support/sample_records.h"

namespace corvane::robustness {

namespace {

using namespace corvane::link;
using namespace corvane::link::testing;

constexpr std::uint8_t kGs = 0x1D;

// The valid reply to each request.
Bytes ReplyTo(PtyPrinter::Request request) {
    switch (request) {
    case PtyPrinter::Request::MakerName: return MakerName();
    case PtyPrinter::Request::Mode: return ModeAck();
    case PtyPrinter::Request::SystemRecord: return SystemReply(test::SampleInfo());
    case PtyPrinter::Request::Configuration: return ConfigReply(test::SampleRecord());
    case PtyPrinter::Request::Survey: return ReplyFrame(SurveyAnswer());
    case PtyPrinter::Request::Other: break;
    }
    return {};
}

}  // namespace

PtyPrinter::PtyPrinter(Script script) : script_(std::move(script)) {
    if (!pty_.ok()) return;
    master_ = pty_.master();
    slavePath_ = pty_.slave().toStdString();
    slaveKeeper_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY);
    thread_ = std::thread([this] { serve(); });
}

PtyPrinter::~PtyPrinter() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (slaveKeeper_ >= 0) ::close(slaveKeeper_);
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
    const Answer answer = script_(request);
    send(answer.before);
    if (answer.pauseMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(answer.pauseMs));
    send(ReplyTo(request));
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
            if (pending[0] == kFrameHeader[0]) {
                if (pending.size() < 7) break;
                if (pending[4] == 0x1D && pending[5] == 0x1F && pending[6] == kFrameEnd) {
                    pending.erase(pending.begin(), pending.begin() + 7);
                    handle(Request::Mode);
                    continue;
                }
                const auto end = std::find(pending.begin() + 3, pending.end(), kFrameEnd);
                if (end == pending.end()) break;
                const Bytes frame(pending.begin(), end + 1);
                pending.erase(pending.begin(), end + 1);
                const Bytes message = DecodeFrameText(frame);
                const auto is = [&message](std::string_view t) { return VerifyIfMessage(message, t); };
                handle(is(tag::kSysReq)   ? Request::SystemRecord
                       : is(tag::kIfGet)  ? Request::Configuration
                       : is(tag::kBssReq) ? Request::Survey
                                          : Request::Other);
                continue;
            }
            pending.erase(pending.begin());  // a byte that starts nothing
        }
    }
}

}  // namespace corvane::robustness
