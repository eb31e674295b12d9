// The searches after a change for a window: the verification exchange over
// the UDP port from one local address, driven by the event loop (a timer set
// to its next step and the port's arrivals), never a wait of its own. The
// window shows its progress in a modal progress window and gets the verdict
// when it finishes.
#pragma once

#include <memory>
#include <vector>

#include <QObject>
#include <QString>
#include <QTimer>

#include "lan/lan_change.h"
#include "link/exchange/lan_exchanges.h"
#include "transport/udp_channel.h"
#include "transport/udp_datagram_port.h"

namespace corvane::lan {

class VerifySearch : public QObject {
    Q_OBJECT
public:
    // `setup.localAddress` is the one address the searches leave from.
    VerifySearch(const SearchSetup& setup, std::vector<ChangedPrinter> changed, const VerifyTiming& timing,
                 QObject* parent = nullptr);
    ~VerifySearch() override;

    void start();
    // Ends the searches now; printers not yet showing their change are
    // marked as cancelled. finished() follows at once.
    void cancel();

    bool isRunning() const { return running_; }
    // After finished(): false, with error() saying why, when a search could
    // not leave; else one verdict per changed printer.
    bool searched() const { return error_.isEmpty(); }
    const QString& error() const { return error_; }
    const std::vector<Verification>& results() const { return results_; }

signals:
    // Before each search: seconds since the confirmation, and the limit.
    void searching(int elapsedSeconds, int limitSeconds);
    void finished();

private:
    void step();
    void finish();

    std::vector<ChangedPrinter> changed_;
    transport::UdpChannel* channel_;
    transport::UdpDatagramPort port_;
    link::VerifyExchange exchange_;
    QTimer wake_;
    QString error_;
    std::vector<Verification> results_;
    bool running_ = false;
};

}  // namespace corvane::lan
