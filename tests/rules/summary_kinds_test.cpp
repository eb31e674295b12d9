// The summary of a written record for every kind of security set-up: which
// secrets and EAP rows show is decided by the stored codes alone.
#include <gtest/gtest.h>

#include "rules/summary_rows.h"
#include "rules_fixture.h"

namespace corvane::rules::test {
namespace {

using link::ConfigLayout;

TEST(SummaryRows, SecretRowsForEveryKindOfRecord) {
    struct Case {
        int authentication, cipher, eapMode;
        ConfigLayout layout;
        // Rows 23 to 28: WEP key, PSK key, EAP mode, auth ID, auth password, P2P mode.
        std::array<std::string, 6> rows;
    };
    const Case cases[] = {
        {code::kOpenSystem, code::kNone, 2, ConfigLayout::Newer, {"", "", "NONE", "", "", "1"}},
        {code::kOpenSystem, code::kWep64, 2, ConfigLayout::Newer, {"abcde", "", "NONE", "", "", "1"}},
        {code::kSharedKey, code::kWep128, 0, ConfigLayout::Older, {"abcde", "", "NONE", "", "", ""}},
        {code::kWpaPsk, code::kTkip, 1, ConfigLayout::Newer, {"", "passphrase", "NONE", "", "", "1"}},
        {code::kWpa2Psk, code::kAesTkip, 0, ConfigLayout::Older, {"", "passphrase", "NONE", "", "", ""}},
        {code::kWpa2Psk, code::kWep64, 0, ConfigLayout::Newer, {"abcde", "", "NONE", "", "", "1"}},
        {code::kWpa, code::kAes, 2, ConfigLayout::Newer, {"", "", "EAP-TLS", "user", "pw", "1"}},
        {code::kWpa2, code::kTkip, 0, ConfigLayout::Older, {"", "", "EAP-PEAP", "user", "pw", ""}},
    };
    for (const Case& c : cases) {
        auto record = SampleRecord();
        record.authentication = static_cast<std::uint8_t>(c.authentication);
        record.cipher = static_cast<std::uint8_t>(c.cipher);
        record.eapMode = static_cast<std::uint8_t>(c.eapMode);
        record.wepKey = "abcde";
        record.pskKey = "passphrase";
        record.authId = "user";
        record.authPassword = "pw";
        record.p2pConnMode = 1;
        const auto rows = summaryRows(record, c.layout);
        for (std::size_t i = 0; i < c.rows.size(); ++i)
            EXPECT_EQ(rows[22 + i].value, c.rows[i])
                << rows[22 + i].name << " with authentication " << c.authentication << ", cipher " << c.cipher;
    }
}

}  // namespace
}  // namespace corvane::rules::test
