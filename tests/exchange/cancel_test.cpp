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

TEST(Cancel, EveryExchangeStopsAtTheWaitItArrivesIn) {
    // An exchange after a whole connect; true when it reported success.
    using Exchange = std::function<bool(ScriptedLinkPort&, LinkSession&, LinkWaits)>;
    struct Case {
        const char* name;
        int cancelAtRead;                      // counted over the whole case, connect included
        Exchange run;                          // none: the cancel lands in the connect itself
        std::size_t writes;                    // all that went out
        std::vector<LinkActivity> activities;  // the last ones reported
    };
    const Exchange save = [](ScriptedLinkPort&, LinkSession& session, LinkWaits) {
        return bool(session.save(session.config()));
    };
    const Exchange survey = [](ScriptedLinkPort& port, LinkSession&, LinkWaits waits) {
        BssTable table{};
        return bool(QueryBssOverLink(port, table, {}, waits));
    };
    const Exchange upload = [](ScriptedLinkPort& port, LinkSession&, LinkWaits waits) {
        return bool(UploadCertificate(port, Bytes(1200, 'Q'), kCertificateCa, {}, waits));
    };
    const Case cases[] = {
        {"maker check", 1, nullptr, 2, {{Step::CheckingPrinter, 1, 64}}},
        {"system record", 3, nullptr, 4, {{Step::CheckingPrinter, 1, 64}, {Step::Reading}}},
        {"save", 7, save, 8, {{Step::Reading}, {Step::Saving}}},
        {"survey", 7, survey, 8, {{Step::Reading}, {Step::Surveying}}},
        {"certificate upload", 7, upload, 8, {{Step::Uploading, 1, 3}}},
    };
    for (const Case& c : cases) {
        ScriptedLinkPort port;
        Recorder recorder;
        port.cancelAtRead(recorder.cancel, c.cancelAtRead);
        LinkSession session(port, recorder.waits());
        if (c.run) {
            for (const Bytes& r : ConnectReplies(corvane::test::SampleInfo(), corvane::test::SampleRecord()))
                port.reply(r);
            ASSERT_EQ(session.connect(), ConnectOutcome::Connected) << c.name;
            port.reply(c.activities.back().step == Step::Uploading ? Reply("STRT") : ModeAck());
            EXPECT_FALSE(c.run(port, session, recorder.waits())) << c.name;
        } else {
            port.reply(MakerName());
            port.reply(ModeAck());
            EXPECT_EQ(session.connect(), ConnectOutcome::Cancelled) << c.name;
            EXPECT_FALSE(port.open) << c.name;
        }
        EXPECT_EQ(port.reads, c.cancelAtRead) << c.name;  // no read after the cancel
        EXPECT_EQ(port.writes.size(), c.writes) << c.name;
        ASSERT_GE(recorder.activities.size(), c.activities.size()) << c.name;
        EXPECT_TRUE(std::equal(c.activities.rbegin(), c.activities.rend(), recorder.activities.rbegin())) << c.name;
    }
}

}  // namespace
}  // namespace corvane::link::testing
