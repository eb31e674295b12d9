// The TCP connection of the LAN access-point survey: a byte stream to the
// printer's survey port, over which link::QuerySurvey runs the query.
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
#include "link/discovered_device.h"
#include "link/exchange/byte_stream.h"
#include "link/exchange/survey_exchange.h"

class QTcpSocket;

namespace corvane::transport {

using SurveyTimings = link::SurveyTimings;

class LanSurvey : public link::ByteStream {
public:
    explicit LanSurvey(QString printerAddress, int port = link::kSurveyPort, SurveyTimings timings = {});
    ~LanSurvey() override;
    LanSurvey(const LanSurvey&) = delete;
    LanSurvey& operator=(const LanSurvey&) = delete;

    // Progress bar values (0..100) as the query advances.
    void setProgressCallback(std::function<void(int)> progress) { progress_ = std::move(progress); }
    // Called between wait slices.
    void setIdleHook(std::function<void()> idle) { idle_ = std::move(idle); }
    // Checked after every wait slice: once set, the query ends as failed.
    void setCancelToken(const link::CancelToken* cancel) { cancel_ = cancel; }

    // Connected within the connect time, or why not (bad or unconfigured
    // 0.x.x.x address, refused, unreachable, no answer, cancelled).
    link::Result<void> connectSurveySocket();
    // The survey query (link::QuerySurvey) over this connection: success
    // when an answer came and was accepted (table() then holds it), else why
    // not.
    link::Result<void> queryBssOverTcp();
    // Releases the connection; harmless when there is none.
    void closeSurveySocket();

    const BssTable& table() const { return table_; }

    link::Result<void> Connect(std::chrono::milliseconds limit) override;
    bool Write(ByteSpan data, std::chrono::milliseconds limit) override;
    bool Read(Bytes& into, std::size_t room, std::chrono::milliseconds limit) override;

private:
    void idle();
    bool cancelled() const { return cancel_ != nullptr && cancel_->cancelled(); }

    QString printerAddress_;
    int port_;
    SurveyTimings timings_;
    std::unique_ptr<QTcpSocket> socket_;
    std::function<void(int)> progress_;
    std::function<void()> idle_;
    const link::CancelToken* cancel_ = nullptr;
    BssTable table_{};
};

}  // namespace corvane::transport
