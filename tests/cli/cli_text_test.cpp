// What the command line reads and writes by itself: number options take both
// ends of their range, and control characters never reach the terminal.
#include <gtest/gtest.h>

#include "cli/invocation.h"
#include "cli/output.h"

namespace {

using namespace corvane::cli;

TEST(CliText, NumbersTakeBothEndsOfTheirRange) {
    const std::pair<const char*, std::optional<long long>> cases[] = {
        {"0", 0}, {"600000", 600000}, {" 7 ", 7}, {"-1", std::nullopt}, {"600001", std::nullopt}, {"1e3", std::nullopt},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(parseInteger(text, 0, 600000), value) << text;
}

TEST(CliText, ControlCharactersAreEscaped) {
    const std::pair<char16_t, const char*> cases[] = {
        {0x00, "\\x00"}, {0x1F, "\\x1f"}, {0x7F, "\\x7f"}, {0x9F, "\\x9f"}, {0x20, " "}, {0x7E, "~"}, {0xA0, "\u00a0"}};
    for (const auto& [u, shown] : cases)
        EXPECT_EQ(printable(QString(QChar(u))), QString::fromUtf8(shown)) << static_cast<int>(u);
}

}  // namespace
