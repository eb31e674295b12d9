// Direct-link timing against a simulator that answers at once, under each
// read rule: how close Connect and a 3071-byte certificate upload come to the
// protocol's own floor, which is its fixed waits plus, per reply read, the
// quiet that ends it (the 100 ms reply gap under the silence rule and for the
// mode acknowledgements and "STRT" under both; the reply guard once a reply
// is proved whole). Loopback pty only.
#include <algorithm>
#include <cstdio>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "bench_sim.h"
#include "link/exchange/certificate_upload.h"
#include "link/exchange/link_session.h"
#include "transport/raw_device_port.h"

using namespace corvane;

namespace {

constexpr int kRuns = 5;
constexpr std::size_t kCertificateSize = 3071;

Bytes Certificate() {
    std::string pem = "-----BEGIN CERTIFICATE-----\n";
    const std::string end = "\n-----END CERTIFICATE-----\n";
    pem.append(kCertificateSize - pem.size() - end.size(), 'Q');
    return ToBytes(pem + end);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Report(const char* what, const std::vector<double>& ms, double floorMs) {
    const double best = *std::min_element(ms.begin(), ms.end());
    const double median = Median(ms);
    std::printf("  %-22s floor %6.0f ms  best %7.1f ms (%.3f)  median %7.1f ms (%.3f)\n", what, floorMs, best,
                best / floorMs, median, median / floorMs);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    BenchSim sim;
    if (!sim.start({"--no-lan"}, "pty:")) {
        std::fprintf(stderr, "the simulator did not start\n");
        return 1;
    }

    transport::RawDevicePort port;
    port.setPortName(sim.pty());
    const link::ExchangeLimits limits;
    const Bytes certificate = Certificate();

    // Connect reads five replies: the maker name, two mode acknowledgements,
    // SYS_RSP and IF__CUR. Its fixed waits are the settle time before the
    // name is read and the pause before it is compared.
    const double connectFixed = static_cast<double>(limits.vendorSettle.count() + limits.vendorAfterName.count());
    // The upload reads "STRT" and one acknowledgement per chunk, and pauses
    // after each acknowledged chunk.
    const std::size_t chunks = (kCertificateSize + link::kCertificateChunkSize - 1) / link::kCertificateChunkSize;
    const double uploadFixed = static_cast<double>(chunks) * static_cast<double>(limits.certificateChunkPause.count());

    std::printf("direct link against an instant simulator, %d runs per rule (ratio to the floor in brackets)\n", kRuns);
    for (const auto rule : {transport::LinkReadRule::Silence, transport::LinkReadRule::Complete}) {
        port.setReadRule(rule);
        const bool silence = rule == transport::LinkReadRule::Silence;
        const double gap = static_cast<double>(port.timeouts().replyGap.count());
        // Under the complete rule a reply proved whole by its shape ends after
        // the guard; the mode acknowledgements and "STRT" still end on the gap.
        const double proved = silence ? gap : static_cast<double>(port.timeouts().replyGuard.count());
        std::vector<double> connectMs, uploadMs;
        for (int run = 0; run < kRuns; ++run) {
            link::LinkSession session(port, link::BlockingSleep(), limits);
            QElapsedTimer clock;
            clock.start();
            if (session.connect() != link::ConnectOutcome::Connected) {
                std::fprintf(stderr, "connect failed\n");
                return 1;
            }
            connectMs.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);

            clock.restart();
            if (!link::UploadCertificate(port, certificate, link::kCertificateCa, {}, session.waits(), limits)) {
                std::fprintf(stderr, "upload failed\n");
                return 1;
            }
            uploadMs.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
            session.disconnect();
        }
        std::printf("read rule %s\n", silence ? "silence" : "complete");
        Report("connect", connectMs, connectFixed + 2 * gap + 3 * proved);
        Report("certificate 3071 bytes", uploadMs, uploadFixed + gap + static_cast<double>(chunks) * proved);
    }
    return 0;
}
