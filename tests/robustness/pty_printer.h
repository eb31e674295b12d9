// A printer on a pseudo-terminal, played by the test itself, for faults the
// simulator does not offer: bytes of noise sent before a reply or between
// replies. It answers the maker check, the mode command, SYS_REQ, IF__GET and
// BSS_REQ with valid messages built by the core, and lets the test put
// whatever it likes on the line before each of them.
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "link/bytes.h"
#include "support/pty_pair.h"

namespace corvane::robustness {

class PtyPrinter {
public:
    enum class Request { MakerName, Mode, SystemRecord, Configuration, Survey, Other };

    // What to send for one request: `before`, a pause, the valid reply,
    // another pause, `after`. Empty parts send nothing.
    struct Answer {
        Bytes before;
        int pauseMs = 0;
        int afterPauseMs = 0;
        Bytes after;
    };
    using Script = std::function<Answer(Request)>;

    explicit PtyPrinter(Script script);
    ~PtyPrinter();
    PtyPrinter(const PtyPrinter&) = delete;
    PtyPrinter& operator=(const PtyPrinter&) = delete;

    // False when no pseudo-terminal could be had.
    bool ok() const { return pty_.ok(); }
    // The device node the tool opens.
    const std::string& devicePath() const { return slavePath_; }

private:
    void serve();
    void handle(Request request);
    void send(const Bytes& bytes);

    Script script_;
    test::PtyPair pty_;  // raw line: no echo of what the tool writes, no byte translated
    int master_ = -1;
    int slaveKeeper_ = -1;  // keeps the line up between the tool's opens
    std::string slavePath_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace corvane::robustness
