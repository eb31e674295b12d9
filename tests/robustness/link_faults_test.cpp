// The direct link under abuse, through `corvane link` on a pseudo-terminal:
// noise between valid frames, a printer that stops in the middle of a reply
// or falls silent (and a Ctrl-C while it does), a node that is at its end, a
// survey answer cut short on TCP, and a certificate peer that refuses every
// chunk once before taking it. Each run must end within
// its bounded waits with the outcome the exchange defines, and leave no
// sanitizer report.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <memory>
#include <random>

#include "link/string_table.h"
#include "pty_printer.h"
#include "tool_run.h"

namespace {

using namespace corvane;
using namespace corvane::robustness;
using Request = PtyPrinter::Request;
using Answer = PtyPrinter::Answer;

QString Text(StringId id) { return QString::fromUtf8(StringText(id).data(), static_cast<qsizetype>(StringText(id).size())); }

QStringList LinkArguments(const QString& sub, const QString& device, QStringList more = {}) {
    QStringList arguments{QStringLiteral("link"), sub, QStringLiteral("--device"), device,
                          QStringLiteral("--link-timeout-ms"), QStringLiteral("3000")};
    return arguments + more;
}

// Noise that holds no name marker (0x5F) and does not start with a zero, so
// the maker check reads past it, but is no reply either.
Bytes Noise(std::uint32_t seed, std::size_t size) {
    std::mt19937 random(seed);
    Bytes noise(size);
    for (auto& b : noise) {
        do b = static_cast<std::uint8_t>(random()); while (b == 0x5F || b == 0x00);
    }
    return noise;
}

TEST(LinkFaults, NoiseBeforeTheMakerNameIsReadPast) {
    PtyPrinter printer([](Request request, int) {
        Answer answer;
        if (request == Request::MakerName) {
            answer.before = Noise(1, 40);
            answer.pauseMs = 300;  // a read of its own
        }
        return answer;
    });
    ASSERT_TRUE(printer.ok());
    const ToolOutcome outcome = RunTool(LinkArguments("info", QString::fromStdString(printer.devicePath())), 30000);
    ASSERT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitCode, 0) << outcome.text().toStdString();
    EXPECT_TRUE(outcome.text().contains("2.31"));
    EXPECT_TRUE(outcome.sanitizerClean()) << outcome.err.toStdString();
}

TEST(LinkFaults, NoiseInPlaceOfAReplyFailsTheConnect) {
    // Noise read where each record was expected, the record itself too late.
    for (const Request noisy : {Request::Mode, Request::SystemRecord, Request::Configuration}) {
        PtyPrinter printer([noisy](Request request, int) {
            Answer answer;
            if (request == noisy) {
                answer.before = Noise(static_cast<std::uint32_t>(noisy) + 7, 300);
                answer.pauseMs = 400;
            }
            return answer;
        });
        ASSERT_TRUE(printer.ok());
        const ToolOutcome outcome = RunTool(LinkArguments("info", QString::fromStdString(printer.devicePath())), 30000);
        ASSERT_TRUE(outcome.finished);
        EXPECT_EQ(outcome.exitCode, 1) << outcome.text().toStdString();
        EXPECT_TRUE(outcome.text().contains(Text(kConnectFailed))) << outcome.text().toStdString();
        EXPECT_TRUE(outcome.sanitizerClean()) << outcome.err.toStdString();
    }
}

TEST(LinkFaults, NoiseTrailingAValidReplyFailsIt) {
    PtyPrinter printer([](Request request, int) {
        Answer answer;
        if (request == Request::Configuration) answer.after = Noise(3, 25);
        return answer;
    });
    ASSERT_TRUE(printer.ok());
    const ToolOutcome outcome = RunTool(LinkArguments("info", QString::fromStdString(printer.devicePath())), 30000);
    ASSERT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitCode, 1) << outcome.text().toStdString();
    EXPECT_TRUE(outcome.text().contains(Text(kConnectFailed)));
    EXPECT_TRUE(outcome.sanitizerClean()) << outcome.err.toStdString();
}

TEST(LinkFaults, NoiseBetweenConnectAndSurveyFailsTheSurveyOnly) {
    // Noise arrives after the configuration was read, before the survey's mode
    // command is answered; it runs into that answer.
    PtyPrinter printer([](Request request, int) {
        Answer answer;
        if (request == Request::Configuration) {
            answer.afterPauseMs = 300;
            answer.after = Noise(4, 60);
        }
        return answer;
    });
    ASSERT_TRUE(printer.ok());
    const ToolOutcome outcome = RunTool(LinkArguments("survey", QString::fromStdString(printer.devicePath())), 30000);
    ASSERT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitCode, 1) << outcome.text().toStdString();
    EXPECT_TRUE(outcome.text().contains(Text(kBssFailed)));
    EXPECT_FALSE(outcome.text().contains(Text(kConnectFailed)));
    EXPECT_TRUE(outcome.sanitizerClean()) << outcome.err.toStdString();
}

class SimLink : public ::testing::Test {
protected:
    void startSim(QStringList faults) {
        ASSERT_TRUE(dir_.isValid());
        link_ = dir_.filePath("printer-tty");
        dump_ = dir_.filePath("state.json");
        sim_ = std::make_unique<RunningSim>();
        ASSERT_TRUE(sim_->start(QStringList{"--ethernet-port", "0", "--wlan-port", "0", "--survey-port", "0",
                                           "--pty-link", link_, "--dump-state", dump_} +
                                   faults,
                               "pty-link:"));
    }
    QJsonObject stopSim() {
        EXPECT_TRUE(IsSanitizerClean(sim_->stop()));
        QFile file(dump_);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QJsonDocument::fromJson(file.readAll()).object();
    }
    QString writeCertificate(int size) {
        QByteArray text("-----BEGIN CERTIFICATE-----\n");
        const QByteArray tail("-----END CERTIFICATE-----\n");
        while (text.size() + tail.size() < size) text += text.size() % 65 == 64 ? '\n' : 'Q';
        certificate_ = text + tail;
        QFile file(dir_.filePath("client.pem"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(certificate_);
        return file.fileName();
    }

    QTemporaryDir dir_;
    QString link_;
    QString dump_;
    QByteArray certificate_;
    std::unique_ptr<RunningSim> sim_;
};

TEST_F(SimLink, PrinterThatStopsMidReplyFailsTheConnectInTime) {
    startSim({"--fault-truncate", "if_get"});
    const ToolOutcome outcome = RunTool(LinkArguments("info", link_), 30000);
    ASSERT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitCode, 1) << outcome.text().toStdString();
    EXPECT_TRUE(outcome.text().contains(Text(kConnectFailed)));
    EXPECT_LT(outcome.elapsedMs, 10000);
    EXPECT_TRUE(outcome.sanitizerClean()) << outcome.err.toStdString();
    stopSim();
}

TEST_F(SimLink, PrinterThatFallsSilentFailsAfterTheReadLimit) {
    startSim({"--fault-silent", "sys_req"});
    const ToolOutcome outcome = RunTool(LinkArguments("info", link_), 30000);
    ASSERT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_TRUE(outcome.text().contains(Text(kConnectFailed)));
    EXPECT_GE(outcome.elapsedMs, 3000);  // the whole --link-timeout-ms was waited
    EXPECT_LT(outcome.elapsedMs, 12000);
    EXPECT_TRUE(outcome.sanitizerClean()) << outcome.err.toStdString();
    stopSim();
}

TEST_F(SimLink, CtrlCDuringASilentPrintersWaitEndsTheCommandAndSaysSo) {
    startSim({"--fault-silent", "all"});
    const ToolOutcome outcome =
        RunTool({"link", "info", "--device", link_, "--link-timeout-ms", "60000"}, 30000, 1500);
    ASSERT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitCode, 130) << outcome.text().toStdString();
    EXPECT_EQ(outcome.err, "corvane: cancelled\n");
    EXPECT_LT(outcome.elapsedMs, 10000);
    stopSim();
}

TEST(LinkFaults, ANodeAtItsEndFailsTheConnectLikeASilentPrinterButAtOnce) {
    const ToolOutcome outcome = RunTool(
        {"link", "info", "--device", "/dev/null", "--link-timeout-ms", "60000"}, 30000);
    ASSERT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_TRUE(outcome.text().contains(Text(kUnableToOpenPort))) << outcome.text().toStdString();
    EXPECT_LT(outcome.elapsedMs, 10000);
}

TEST_F(SimLink, CertificatePeerRefusingEveryChunkOnceStillTakesItWhole) {
    startSim({"--fault-cert-failures", "1", "--fault-cert-fail-chunk", "-1"});
    const QString file = writeCertificate(1200);  // three chunks
    const ToolOutcome outcome =
        RunTool(LinkArguments("cert", link_, {"--type", "client-key", file}), 60000);
    ASSERT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitCode, 0) << outcome.text().toStdString();
    EXPECT_TRUE(outcome.text().contains(Text(kCertificateUploaded)));
    EXPECT_TRUE(outcome.sanitizerClean()) << outcome.err.toStdString();
    const QJsonObject state = stopSim();
    EXPECT_EQ(QByteArray::fromBase64(state["link"]["certificates"]["2"].toString().toLatin1()), certificate_);
}

TEST_F(SimLink, CertificateChunkRefusedMoreThanItsBudgetEndsTheUpload) {
    // Twenty refusals of the second chunk are retried; the twenty-first ends it.
    for (const auto& [failures, uploaded] : {std::pair{20, true}, std::pair{21, false}}) {
        startSim({"--fault-cert-failures", QString::number(failures), "--fault-cert-fail-chunk", "1"});
        const ToolOutcome outcome =
            RunTool(LinkArguments("cert", link_, {"--type", "ca", writeCertificate(1200)}), 60000);
        ASSERT_TRUE(outcome.finished);
        EXPECT_EQ(outcome.exitCode, uploaded ? 0 : 1) << failures << outcome.text().toStdString();
        EXPECT_TRUE(outcome.text().contains(Text(uploaded ? kCertificateUploaded : kCertificateUploadFailed)));
        EXPECT_TRUE(outcome.sanitizerClean()) << outcome.err.toStdString();
        const QJsonObject state = stopSim();
        EXPECT_EQ(state["link"]["certificates"].toObject().contains("1"), uploaded) << failures;
    }
}

TEST_F(SimLink, SurveyAnswerCutShortOnTcpFailsInTime) {
    startSim({"--fault-truncate", "survey"});
    const ToolOutcome outcome =
        RunTool({"survey", "--ip", "127.0.0.1", "--survey-port", QString::number(sim_->port("survey"))}, 30000);
    ASSERT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitCode, 1) << outcome.text().toStdString();
    EXPECT_TRUE(outcome.text().contains(Text(kBssFailed)));
    EXPECT_LT(outcome.elapsedMs, 12000);
    EXPECT_TRUE(outcome.sanitizerClean()) << outcome.err.toStdString();
    stopSim();
}

}  // namespace
