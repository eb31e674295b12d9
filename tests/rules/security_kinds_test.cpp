// Security set-ups: the WEP key lengths the page takes, and the summary of a
// written record for every kind of set-up (which secrets and EAP rows show is
// decided by the stored codes alone).
#include <gtest/gtest.h>

#include "rules/summary_rows.h"
#include "rules_fixture.h"

namespace corvane::rules::test {
namespace {

using link::ConfigLayout;

TEST_F(ConnectedWindow, WepKeyOfFiveTenThirteenOrTwentySixOnly) {
    auto record = SampleRecord();
    record.authentication = code::kOpenSystem;
    record.cipher = code::kWep64;
    record.wepKey = "abcde";
    connect(record);
    const std::string digits = "0123456789abcdef0123456789ab";
    for (std::size_t n = 1; n <= 27; ++n) {
        security().editText(SecurityControl::WepKey, digits.substr(0, n));
        const bool taken = n == 5 || n == 10 || n == 13 || n == 26;
        EXPECT_EQ(!security().checkValues(), taken) << n << " characters";
    }
}

TEST(SummaryRows, SecretRowsForEveryKindOfRecord) {
    const std::string kWep26 = "0123456789abcdef0123456789";  // the longest key, shown whole
    struct Case {
        int authentication, cipher, eapMode;
        ConfigLayout layout;
        // Rows 23 to 28: WEP key, PSK key, EAP mode, auth ID, auth password, P2P mode.
        std::array<std::string, 6> rows;
    };
    const Case cases[] = {
        {code::kOpenSystem, code::kNone, 2, ConfigLayout::Newer, {"", "", "NONE", "", "", "1"}},
        {code::kOpenSystem, code::kWep64, 2, ConfigLayout::Newer, {kWep26, "", "NONE", "", "", "1"}},
        {code::kSharedKey, code::kWep128, 0, ConfigLayout::Older, {kWep26, "", "NONE", "", "", ""}},
        {code::kWpaPsk, code::kTkip, 1, ConfigLayout::Newer, {"", "passphrase", "NONE", "", "", "1"}},
        {code::kWpa2Psk, code::kAesTkip, 0, ConfigLayout::Older, {"", "passphrase", "NONE", "", "", ""}},
        {code::kWpa2Psk, code::kWep64, 0, ConfigLayout::Newer, {kWep26, "", "NONE", "", "", "1"}},
        {code::kWpa, code::kAes, 2, ConfigLayout::Newer, {"", "", "EAP-TLS", "user", "pw", "1"}},
        {code::kWpa2, code::kTkip, 0, ConfigLayout::Older, {"", "", "EAP-PEAP", "user", "pw", ""}},
    };
    for (const Case& c : cases) {
        auto record = SampleRecord();
        record.authentication = static_cast<std::uint8_t>(c.authentication);
        record.cipher = static_cast<std::uint8_t>(c.cipher);
        record.eapMode = static_cast<std::uint8_t>(c.eapMode);
        record.wepKey = kWep26;
        record.pskKey = "passphrase";
        record.authId = "user";
        record.authPassword = "pw";
        record.p2pConnMode = 1;
        const auto rows = SummaryRows(record, c.layout);
        for (std::size_t i = 0; i < c.rows.size(); ++i)
            EXPECT_EQ(rows[22 + i].value, c.rows[i])
                << rows[22 + i].name << " with authentication " << c.authentication << ", cipher " << c.cipher;
    }
}

TEST(SummaryRows, AdhocChannelDashOnlyForZero) {
    auto record = SampleRecord();
    for (const auto& [channel, shown] : {std::pair{0, "-"}, std::pair{1, "1"}, std::pair{14, "14"}}) {
        record.adhocChannel = static_cast<std::uint8_t>(channel);
        EXPECT_EQ(SummaryRows(record, ConfigLayout::Newer)[13].value, shown);
    }
}

}  // namespace
}  // namespace corvane::rules::test
