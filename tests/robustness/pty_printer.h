// A printer on a pseudo-terminal, played by the test itself, for faults the
// simulator does not offer: bytes of noise sent before a reply or between
// replies. It answers the maker check, the mode command, SYS_REQ, IF__GET and
// BSS_REQ with valid messages built by the core, and lets the test put
// whatever it likes on the line before each of them.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "link/bytes.h"

namespace corvane::robustness {

class PtyPrinter {
public:
    enum class Request { MakerName, Mode, SystemRecord, Configuration, Survey, Other };

    // What to send for one request: `before`, a pause, the valid reply (unless
    // `reply` is false), another pause, `after`. Empty parts send nothing.
    struct Answer {
        Bytes before;
        int pauseMs = 0;
        bool reply = true;
        int afterPauseMs = 0;
        Bytes after;
    };
    using Script = std::function<Answer(Request, int count)>;  // count: 1 for the first of its kind

    explicit PtyPrinter(Script script);
    ~PtyPrinter();
    PtyPrinter(const PtyPrinter&) = delete;
    PtyPrinter& operator=(const PtyPrinter&) = delete;

    // False when no pseudo-terminal could be had.
    bool ok() const { return master_ >= 0; }
    // The device node the tool opens.
    const std::string& devicePath() const { return slavePath_; }
    // Requests seen so far, in order.
    std::vector<Request> requests() const;

private:
    void serve();
    void handle(Request request);
    void send(const Bytes& bytes);

    Script script_;
    int master_ = -1;
    int slaveKeeper_ = -1;  // keeps the line up between the tool's opens
    std::string slavePath_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<Request> requests_;
    std::thread thread_;
};

// The valid reply frames the printer sends.
Bytes ModeAcknowledgement();
Bytes SystemReplyFrame();
Bytes ConfigurationReplyFrame();
Bytes SurveyReplyFrame();
Bytes MakerNameReply();

}  // namespace corvane::robustness
