// A cancel arriving while an exchange waits on a silent printer: every
// exchange stops at that wait, sends nothing more, and the connect sequence
// closes the port. What each step reports for the window is checked on the
// way.
#include <gtest/gtest.h>

#include <functional>

#include "exchange/printer_replies.h"
#include "exchange/scripted_link_port.h"
#include "link/exchange/bss_exchange.h"
#include "link/exchange/certificate_upload.h"
#include "link/exchange/link_session.h"
#include "support/sample_records.h"

namespace corvane::link::testing {
namespace {

using Step = LinkStep;

struct Recorder {
    CancelToken cancel;
    std::vector<LinkActivity> activities;
    LinkWaits waits() {
        return LinkWaits(NoSleep(), &cancel, [this](const LinkActivity& a) { activities.push_back(a); });
    }
};

// Answers the connect sequence so that a session is connected.
void Connected(ScriptedLinkPort& port, LinkSession& session) {
    for (const Bytes& r : ConnectReplies(corvane::test::SampleInfo(), corvane::test::SampleRecord())) port.reply(r);
    ASSERT_EQ(session.connect(), ConnectOutcome::Connected);
}

TEST(Cancel, EveryExchangeStopsAtTheWaitItArrivesIn) {
    struct Case {
        const char* name;
        int cancelAtRead;  // counted over the whole case, connect included
        // Runs the exchange; true when it reported success.
        std::function<bool(ScriptedLinkPort&, LinkSession&, Recorder&)> run;
        std::size_t writes;                    // all that went out
        std::vector<LinkActivity> activities;  // the last ones reported
    };
    auto connectOnly = [](ScriptedLinkPort& port, LinkSession& session, Recorder&) {
        port.reply(MakerName());
        port.reply(ModeAck());
        return session.connect() != ConnectOutcome::Cancelled;
    };
    const Case cases[] = {
        {"maker check", 1, connectOnly, 2, {{Step::CheckingPrinter, 1, 64}}},
        {"system record", 3, connectOnly, 4, {{Step::CheckingPrinter, 1, 64}, {Step::Reading}}},
        {"save",
         7,
         [](ScriptedLinkPort& port, LinkSession& session, Recorder&) {
             Connected(port, session);
             port.reply(ModeAck());
             return static_cast<bool>(session.save(session.config()));
         },
         6 + 2,
         {{Step::Reading}, {Step::Saving}}},
        {"survey",
         7,
         [](ScriptedLinkPort& port, LinkSession& session, Recorder& recorder) {
             Connected(port, session);
             port.reply(ModeAck());
             BssTable table{};
             return static_cast<bool>(QueryBssOverLink(port, table, {}, recorder.waits()));
         },
         6 + 2,
         {{Step::Reading}, {Step::Surveying}}},
        {"certificate upload",
         7,
         [](ScriptedLinkPort& port, LinkSession& session, Recorder& recorder) {
             Connected(port, session);
             port.reply(Bytes{0x1F, 0x57, 0x4D, 'S', 'T', 'R', 'T'});
             return static_cast<bool>(UploadCertificate(port, Bytes(1200, 'Q'), kCertificateCa, {}, recorder.waits()));
         },
         6 + 2,
         {{Step::Uploading, 1, 3}}},
    };
    for (const Case& c : cases) {
        ScriptedLinkPort port;
        Recorder recorder;
        port.cancelAtRead(recorder.cancel, c.cancelAtRead);
        LinkSession session(port, recorder.waits());
        EXPECT_FALSE(c.run(port, session, recorder)) << c.name;
        EXPECT_EQ(port.reads, c.cancelAtRead) << c.name;  // no read after the cancel
        EXPECT_EQ(port.writes.size(), c.writes) << c.name;
        ASSERT_GE(recorder.activities.size(), c.activities.size()) << c.name;
        EXPECT_TRUE(std::equal(c.activities.rbegin(), c.activities.rend(), recorder.activities.rbegin())) << c.name;
        if (!session.connected()) {
            EXPECT_FALSE(port.open) << c.name;
        }
    }
}

}  // namespace
}  // namespace corvane::link::testing
