// The access-point survey of a printer on the LAN: one TCP connection to its
// survey port, the raw BSS_REQ message out, the BSS_RSP answer in.
//
// The waits block the caller, as the survey window expects, but they run in
// short slices of QTcpSocket's waitFor* calls with an idle hook between them;
// the window passes one that processes (non-input) events, so it stays
// painted during the up to ~13.5 s a query may take (3 s to connect, seven
// receive attempts of 1.5 s shared by the whole answer).
#pragma once

#include <chrono>
#include <functional>
#include <memory>

#include <QString>

#include "link/bss.h"
#include "link/cancel_token.h"
#include "link/bytes.h"
#include "link/discovered_device.h"

class QTcpSocket;

namespace corvane::lan {

struct SurveyTimings {
    std::chrono::milliseconds connect{3000};  // connection must complete within this
    std::chrono::milliseconds receive{1500};  // one receive attempt
    int attempts = 7;                         // receive attempts before giving up
    std::chrono::milliseconds slice{30};      // longest wait between idle-hook calls
};

class LanSurvey {
public:
    // Largest answer taken in; the rest of a longer one is left unread.
    static constexpr std::size_t kMaxAnswer = 4095;

    explicit LanSurvey(QString printerAddress, int port = kSurveyPort, SurveyTimings timings = {});
    ~LanSurvey();
    LanSurvey(const LanSurvey&) = delete;
    LanSurvey& operator=(const LanSurvey&) = delete;

    // Progress bar values (0..100) as the query advances.
    void setProgressCallback(std::function<void(int)> progress) { progress_ = std::move(progress); }
    // Called between wait slices.
    void setIdleHook(std::function<void()> idle) { idle_ = std::move(idle); }
    // Checked after every wait slice: once set, the query ends as failed.
    void setCancelToken(const link::CancelToken* cancel) { cancel_ = cancel; }

    // 1 when connected within the connect time, else 0 (bad or unconfigured
    // 0.x.x.x address, refused, unreachable, no answer).
    int connectSurveySocket();
    // Connects, sends the request and collects the answer. 1 when an answer
    // came and parseBssResponse accepted it (table() then holds it), else 0
    // (also when cancelled).
    // Progress: 0, 12, then 24, 36 ... 96 after each empty attempt, 100 at end.
    // Takes at most the connect time plus attempts x receive, however the
    // printer sends its answer.
    int queryBssOverTcp();
    // Releases the connection; harmless when there is none.
    void closeSurveySocket();

    const BssTable& table() const { return table_; }
    // The bytes the last query received (for diagnostics and tests).
    const Bytes& answer() const { return answer_; }

private:
    void report(int value);
    void idle();
    bool cancelled() const { return cancel_ != nullptr && cancel_->cancelled(); }
    // Waits up to `limit` for more bytes; false when none came (time-out,
    // closed connection or error).
    bool waitForData(std::chrono::milliseconds limit);
    // Appends what is waiting, up to kMaxAnswer in all.
    void takeAvailable();

    QString printerAddress_;
    int port_;
    SurveyTimings timings_;
    std::unique_ptr<QTcpSocket> socket_;
    std::function<void(int)> progress_;
    std::function<void()> idle_;
    const link::CancelToken* cancel_ = nullptr;
    int lastProgress_ = -1;
    BssTable table_{};
    Bytes answer_;
};

}  // namespace corvane::lan
