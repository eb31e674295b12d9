// A record written from a file goes through the window's own rules: what a
// user could not type, click or pick in the window is refused.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "rules/record_edit.h"
#include "rules_fixture.h"

namespace corvane::rules::test {
namespace {

using link::ConfigLayout;
using link::PrinterConfig;

struct EditCase {
    const char* name;
    std::function<void(PrinterConfig&)> edit;
    std::optional<StringId> message;  // none: accepted
    const char* field = "";
    ConfigLayout layout = ConfigLayout::Newer;
};

void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }

void WifiDirect(PrinterConfig& c) { c.networkMode = code::kWifiDirect; }

const EditCase kEditCases[] = {
    {"PinOfNineDigits", [](PrinterConfig& c) { WifiDirect(c), c.p2pPinCode = "123456789"; }, kIncorrectPin,
     "p2pPinCode"},
    {"PinWithLetters", [](PrinterConfig& c) { WifiDirect(c), c.p2pPinCode = "12ab5678"; }, kIncorrectPin, "p2pPinCode"},
    {"PinOfEightDigits", [](PrinterConfig& c) { WifiDirect(c), c.p2pPinCode = "87654321"; }, std::nullopt},
    // The PIN edit is open in Wi-Fi Direct mode only.
    {"PinOutsideWifiDirect", [](PrinterConfig& c) { c.p2pPinCode = "87654321"; }, kSettingNotAvailable, "p2pPinCode"},
    {"ChannelNotListed", [](PrinterConfig& c) { WifiDirect(c), c.p2pChannel = "13"; }, kSettingNotAvailable,
     "p2pChannel"},
    {"NameOfThirtyEuroSigns",
     [](PrinterConfig& c) {
         c.printerName.clear();
         for (int i = 0; i < 30; ++i) c.printerName += "€";
     },
     kTextTooLong, "printerName"},
    {"PskOfFive", [](PrinterConfig& c) { c.pskKey = "short"; }, kPskKeyInvalid, "pskKey"},
    {"PortOutOfRange", [](PrinterConfig& c) { c.printerPort = 40000; }, kPortOutOfRange, "printerPort"},
    {"AdhocUnderWpa", [](PrinterConfig& c) { c.networkMode = code::kAdhoc; }, kAdhocNotAvailable, "networkMode"},
    {"AdhocWithOpenSystem",
     [](PrinterConfig& c) {
         c.networkMode = code::kAdhoc;
         c.authentication = code::kOpenSystem;
         c.cipher = code::kNone;
     },
     std::nullopt},
    {"AdhocWithDhcp",
     [](PrinterConfig& c) {
         c.networkMode = code::kAdhoc;
         c.authentication = code::kOpenSystem;
         c.cipher = code::kNone;
         c.ipAssignment = 1;
     },
     kAdhocNeedsManualIp, "ipAssignment"},
    {"WifiDirectOnAnOlderPrinter", WifiDirect, kSettingNotAvailable, "networkMode", ConfigLayout::Older},
    {"WepKeyWithoutWep", [](PrinterConfig& c) { c.wepKey = "abcde"; }, kSettingNotAvailable, "wepKey"},
    {"EapNoneHasNoRadio", [](PrinterConfig& c) { c.eapMode = 5; }, kSettingNotAvailable, "eapMode"},
    // A name longer than the edit takes, as the printer had it, goes back as it was.
    {"UnchangedLongName", [](PrinterConfig&) {}, std::nullopt},
};

class RecordEdit : public ::testing::TestWithParam<EditCase> {};

TEST_P(RecordEdit, TakesOnlyWhatTheWindowTakes) {
    const auto& p = GetParam();
    PrinterConfig printer = p.layout == ConfigLayout::Newer ? SampleRecord() : OlderRecord();
    printer.printerName = std::string(40, 'n');
    PrinterConfig edited = printer;
    p.edit(edited);
    const RecordEditPlan plan = PlanRecordEdit(printer, edited, SampleInfo(), p.layout);
    ASSERT_EQ(plan.refusal.has_value(), p.message.has_value()) << (plan.refusal ? plan.refusal->message : 0);
    if (plan.refusal) {
        EXPECT_EQ(plan.refusal->message, *p.message);
        EXPECT_EQ(plan.field, p.field);
    } else {
        EXPECT_EQ(plan.config, edited);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, RecordEdit, ::testing::ValuesIn(kEditCases),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace corvane::rules::test
