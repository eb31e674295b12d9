// Secrets in the direct window: masked with their Show buttons, and in the
// summary of what was written.
#include <QClipboard>
#include <QToolButton>

#include "direct_ui_fixture.h"
#include "support/sample_records.h"

namespace corvane::test {
namespace {

// Every secret field starts masked and its Show button toggles it; the
// summary dots every secret the record holds (not an empty one), shows the
// real values once asked for, and Copy takes what is shown.
TEST_F(DirectUiTest, SecretsAreMaskedUntilShown) {
    open();
    const std::pair<Tab, const char*> secrets[] = {
        {Tab::System, "userPassword"}, {Tab::System, "confirmPassword"}, {Tab::Security, "wepKey"},
        {Tab::Security, "pskKey"},     {Tab::Security, "authPassword"},  {Tab::Network, "pinCode"},
    };
    for (const auto& [tab, name] : secrets) {
        auto* edit = onPage<QLineEdit>(tab, name);
        auto* show = onPage<QToolButton>(tab, (std::string(name) + "Show").c_str());
        ASSERT_TRUE(edit && show) << name;
        EXPECT_EQ(edit->echoMode(), QLineEdit::Password) << name;
        show->toggle();
        EXPECT_EQ(edit->echoMode(), QLineEdit::Normal) << name;
    }

    ui::SettingsSummaryDialog summary(SampleRecord(), link::ConfigLayout::Newer);
    auto valueOf = [&summary](const char* name) {
        for (int r = 0; r < summary.list()->rowCount(); ++r)
            if (summary.list()->item(r, 1)->text() == QLatin1String(name)) return summary.list()->item(r, 2)->text();
        return QStringLiteral("(no row)");
    };
    const QString dots(8, QChar(0x2022));
    EXPECT_EQ(valueOf("User Password"), dots);
    EXPECT_EQ(valueOf("PSK Key"), dots);
    EXPECT_EQ(valueOf("WEP Key"), QString());  // nothing to hide
    auto* copy = summary.findChild<QPushButton*>(QStringLiteral("copyButton"));
    copy->click();
    EXPECT_TRUE(QApplication::clipboard()->text().contains(QStringLiteral("\n4\tUser Password\t") + dots + "\n"))
        << QApplication::clipboard()->text().toStdString();
    summary.findChild<QCheckBox*>(QStringLiteral("showSecrets"))->click();
    EXPECT_EQ(valueOf("User Password"), QStringLiteral("secret"));
    copy->click();
    EXPECT_TRUE(QApplication::clipboard()->text().contains(QStringLiteral("\n4\tUser Password\tsecret\n")));
}

}  // namespace
}  // namespace corvane::test
