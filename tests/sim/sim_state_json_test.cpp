// The JSON state: what --dump-state writes can be loaded again unchanged, and
// malformed configuration values are refused with a message naming the key.
#include <gtest/gtest.h>

#include <QJsonDocument>

#include "sim_json.h"

namespace corvane::sim {
namespace {

void ExpectSameState(const SimState& a, const SimState& b) {
    ASSERT_EQ(a.ethernet.size(), b.ethernet.size());
    for (std::size_t i = 0; i < a.ethernet.size(); ++i) {
        EXPECT_EQ(a.ethernet[i].record.raw, b.ethernet[i].record.raw);
        EXPECT_EQ(a.ethernet[i].faults, b.ethernet[i].faults);
    }
    ASSERT_EQ(a.wlan.size(), b.wlan.size());
    for (std::size_t i = 0; i < a.wlan.size(); ++i) {
        EXPECT_EQ(a.wlan[i].record.raw, b.wlan[i].record.raw);
        EXPECT_EQ(a.wlan[i].survey, b.wlan[i].survey);
    }
    EXPECT_EQ(a.link.config, b.link.config);
    EXPECT_EQ(a.link.system, b.link.system);
    EXPECT_EQ(a.link.survey, b.link.survey);
    EXPECT_EQ(a.link.layout, b.link.layout);
    EXPECT_EQ(a.link.faults, b.link.faults);
}

TEST(SimStateJson, DumpLoadsBackToTheSameState) {
    auto state = BuiltinState();
    state.link.layout = link::ConfigLayout::Older;
    state.link.faults.silent = *KindSet::parse("if_set,cert_chunk");
    state.link.faults.withholdStrt = 3;
    state.wlan[2].faults.flood = 5000;
    state.link.certificates[1] = ToBytes("-----BEGIN CERT-----\n-----END CERT-----\n");

    const auto json = DumpState(state);
    EXPECT_EQ(json["link"]["config"]["ipAddress"].toString(), "192.168.0.10");
    EXPECT_EQ(json["link"]["config"]["pskKey"].toString(), "receipts-all-day");
    EXPECT_EQ(json["link"]["certificates"]["1"].toString(),
              QByteArray("-----BEGIN CERT-----\n-----END CERT-----\n").toBase64());

    SimState loaded;
    QString error;
    ASSERT_TRUE(LoadState(json, loaded, &error)) << error.toStdString();
    ExpectSameState(state, loaded);
}

TEST(SimStateJson, MalformedValuesAreRefused) {
    const char* const cases[] = {
        R"({"ethernet": [{"mac": "00:11:22:33:44"}]})",
        R"({"ethernet": [{"ip": "192.168.0.300"}]})",
        R"({"wlan": [{"port": 70000}]})",
        R"({"wlan": [{"featureCode": 2.5}]})",
        R"({"link": {"layout": "middle"}})",
        R"({"link": {"faults": {"silent": ["fetch"]}}})",
        R"({"link": {"faults": {"flood": 5001}}})",
        R"({"link": {"config": {"printerName": 7}}})",
        R"({"ethernet": {"mac": "00:11:22:33:44:55"}})",
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        SimState state = BuiltinState();
        QString error;
        EXPECT_FALSE(LoadState(QJsonDocument::fromJson(text).object(), state, &error));
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(SimStateJson, APrinterListReplacesTheBuiltInOne) {
    SimState state = BuiltinState();
    QString error;
    ASSERT_TRUE(LoadState(QJsonDocument::fromJson(R"({"ethernet": [{"mac": "02-00-00-00-00-09", "port": 9101,
        "faults": {"silent": "all", "delayMs": 40}}]})")
                              .object(),
                          state, &error))
        << error.toStdString();
    ASSERT_EQ(state.ethernet.size(), 1u);
    EXPECT_EQ(state.ethernet[0].record.macAddress(), (std::array<std::uint8_t, 6>{2, 0, 0, 0, 0, 9}));
    EXPECT_EQ(state.ethernet[0].record.port(), 9101);
    EXPECT_EQ(state.ethernet[0].faults.silent, KindSet::all());
    EXPECT_EQ(state.ethernet[0].faults.delayMs, 40);
    EXPECT_EQ(state.wlan.size(), 3u);  // untouched
}

}  // namespace
}  // namespace corvane::sim
