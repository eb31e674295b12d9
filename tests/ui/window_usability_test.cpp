// Secrets in the direct window: masked with their Show buttons, and in the
// summary of what was written.
#include "direct_ui_fixture.h"

#include <QClipboard>
#include <QToolButton>

#include "support/sample_records.h"

namespace corvane::test {
namespace {

using rules::Tab;

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
        EXPECT_EQ(show->isEnabled(), edit->isEnabled()) << name;
        show->toggle();
        EXPECT_EQ(edit->echoMode(), QLineEdit::Normal) << name;
        show->toggle();
        EXPECT_EQ(edit->echoMode(), QLineEdit::Password) << name;
    }

    // The summary: dots for every secret the record holds, the real values
    // once asked for; Copy takes what is shown.
    ui::SettingsSummaryDialog summary(SampleRecord(), link::ConfigLayout::Newer);
    auto valueOf = [&summary](const char* name) {
        for (int r = 0; r < summary.list()->rowCount(); ++r)
            if (summary.list()->item(r, 1)->text() == QLatin1String(name)) return summary.list()->item(r, 2)->text();
        return QStringLiteral("(no row)");
    };
    const QString dots(8, QChar(0x2022));
    EXPECT_EQ(valueOf("User Password"), dots);
    EXPECT_EQ(valueOf("PSK Key"), dots);
    EXPECT_EQ(valueOf("P2P Pin Code"), dots);
    EXPECT_EQ(valueOf("WEP Key"), QString());  // nothing to hide
    auto* copy = summary.findChild<QPushButton*>(QStringLiteral("copyButton"));
    copy->click();
    const QStringList copied = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(copied.size(), summary.list()->rowCount());
    EXPECT_EQ(copied[3], QStringLiteral("4\tUser Password\t") + dots);
    summary.findChild<QCheckBox*>(QStringLiteral("showSecrets"))->click();
    EXPECT_EQ(valueOf("User Password"), QStringLiteral("secret"));
    copy->click();
    EXPECT_TRUE(QApplication::clipboard()->text().contains(QStringLiteral("User Password\tsecret\n")));
}

}  // namespace
}  // namespace corvane::test
