// The JSON state: the tests read their results from what --dump-state writes
// and describe their printers in the same form, so a dump loads back
// unchanged, and a malformed value is refused rather than silently ignored.
#include <gtest/gtest.h>

#include <QJsonDocument>

#include "sim_json.h"

namespace corvane::sim {
namespace {

// Faults and a layout changed from the built-in state survive dump and load.
TEST(SimStateJson, DumpLoadsBackAndMalformedValuesAreRefused) {
    auto state = BuiltinState();
    state.link.layout = link::ConfigLayout::Older;
    state.link.faults.silent = *KindSet::parse("if_set,cert_chunk");
    state.link.faults.withholdStrt = 3;
    state.ethernet[1].faults.flood = 5000;

    SimState loaded;
    QString error;
    ASSERT_TRUE(LoadState(DumpState(state), loaded, &error)) << error.toStdString();
    EXPECT_EQ(DumpState(loaded), DumpState(state));
    EXPECT_EQ(loaded.link.faults, state.link.faults);
    EXPECT_NE(DumpState(loaded), DumpState(BuiltinState()));  // the changes were written and read

    // A test's own printer list replaces the built-in one; a value of the
    // wrong form, range or kind fails the load with a message.
    state = BuiltinState();
    ASSERT_TRUE(LoadState(QJsonDocument::fromJson(R"({"ethernet": [{"mac": "02-00-00-00-00-09", "port": 9101,
        "faults": {"silent": "all"}}]})")
                              .object(),
                          state, &error))
        << error.toStdString();
    ASSERT_EQ(state.ethernet.size(), 1u);
    EXPECT_EQ(state.ethernet[0].record.port(), 9101);
    EXPECT_EQ(state.ethernet[0].faults.silent, KindSet::all());
    EXPECT_EQ(state.wlan.size(), 3u);  // untouched

    for (const char* text :
         {R"({"ethernet": [{"mac": "00:11:22:33:44"}]})", R"({"wlan": [{"port": 70000}]})",
          R"({"link": {"layout": "middle"}})", R"({"link": {"faults": {"silent": ["fetch"]}}})",
          R"({"link": {"config": {"printerName": 7}}})", R"({"ethernet": {"mac": "00:11:22:33:44:55"}})"}) {
        state = BuiltinState();
        error.clear();
        EXPECT_FALSE(LoadState(QJsonDocument::fromJson(text).object(), state, &error)) << text;
        EXPECT_FALSE(error.isEmpty()) << text;
    }
}

}  // namespace
}  // namespace corvane::sim
