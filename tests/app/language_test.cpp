#include "app/language.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include <QCoreApplication>

#include "app/config_app.h"
#include "link/string_table.h"
#include "widgets/translation.h"

namespace corvane::app {
namespace {

using widgets::stringText;

// The Chinese sub-languages the table does not name have no catalog; every
// other row of the table is reached from a locale below.
TEST(LanguageTable, UnnamedChineseSubLanguagesHaveNoCatalog) {
    for (const int sub : {0, 6}) EXPECT_EQ(languageLibraryFor(4, sub), QString()) << sub;
}

TEST(ConfigApp, GermanCatalogReplacesTheTextsUntilUnloaded) {
    const QString english = stringText(kSelectDevice);
    {
        ConfigApp configApp;
        // The first directory holding the catalog wins (an installed tool has
        // none beside the program).
        ASSERT_TRUE(configApp.loadLanguage(QLocale(QStringLiteral("de_CH")),
                                           {QStringLiteral("/nonexistent"), QCoreApplication::applicationDirPath()}));
        EXPECT_EQ(configApp.languageLibrary(), QStringLiteral("German.qm"));
        EXPECT_EQ(stringText(kSelectDevice), QStringLiteral("Bitte wählen Sie ein Gerät in der Liste aus."));
        EXPECT_EQ(QCoreApplication::translate("LauncherDialog", "Exit"), QStringLiteral("Beenden"));
    }
    EXPECT_EQ(stringText(kSelectDevice), english);
}

// The environment as the system sets it, through the language table, to the
// real catalog files beside the program.
TEST(ConfigApp, EnvironmentChoosesTheCatalog) {
    struct Case {
        std::map<std::string, QString> environment;
        const char* library;
    };
    const Case cases[] = {
        {{{"LANG", "zh_TW.UTF-8"}}, "TraditionalChinese.qm"},
        {{{"LANG", "zh_HK.UTF-8"}}, "TraditionalChinese.qm"},
        {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "zh_CN.UTF-8"}}, "SimplifiedChinese.qm"},
        {{{"LANG", "zh_SG.UTF-8"}}, "SimplifiedChinese.qm"},
        {{{"LANG", "zh_MO.UTF-8"}}, "TraditionalChinese.qm"},
        {{{"LANG", "de_AT.UTF-8"}}, "German.qm"},
        {{{"LANG", "de_CH.UTF-8"}}, "German.qm"},
        {{{"LANG", "es_MX.UTF-8"}}, "Spanish.qm"},
        {{{"LANG", "fr_CA.UTF-8"}}, "French.qm"},
        {{{"LANG", "hu_HU.UTF-8"}}, "Hungarian.qm"},
        {{{"LANG", "it_IT.UTF-8"}}, "Italian.qm"},
        {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "ja:en"}}, "Japanese.qm"},
        {{{"LANG", "ko_KR.UTF-8"}}, "Korean.qm"},
        {{{"LC_ALL", "pl_PL.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, "Polish.qm"},
        {{{"LANG", "ru_RU.UTF-8"}}, "Russian.qm"},
        // LANGUAGE that says less than LANG keeps LANG's territory.
        {{{"LANG", "zh_TW.UTF-8"}, {"LANGUAGE", "zh"}}, "TraditionalChinese.qm"},
        {{{"LANG", "zh_CN.UTF-8"}, {"LANGUAGE", "zh_TW:zh"}}, "TraditionalChinese.qm"},
        // The C locale ignores LANGUAGE.
        {{{"LANG", "C"}, {"LANGUAGE", "de"}}, ""},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "C"}}, ""},
        {{{"LANG", "nl_NL.UTF-8"}}, ""},
        {{{"LANG", "en_GB.UTF-8"}}, ""},
        {{}, ""},
    };
    for (const Case& c : cases) {
        const QLocale locale = messagesLocale([&c](const char* name) {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? QString() : found->second;
        });
        ConfigApp configApp;
        const bool loaded = configApp.loadLanguage(locale, {QCoreApplication::applicationDirPath()});
        EXPECT_EQ(loaded, *c.library != '\0') << c.library << " " << locale.name().toStdString();
        EXPECT_EQ(configApp.languageLibrary(), QString::fromLatin1(c.library)) << locale.name().toStdString();
    }
}

TEST(ConfigApp, LanguageNamesOnTheCommandLine) {
    struct Case {
        const char* name;
        bool valid;
        const char* library;
    };
    const Case cases[] = {
        {"Japanese", true, "Japanese.qm"},
        {"german", true, "German.qm"},
        {"TraditionalChinese", true, "TraditionalChinese.qm"},
        {"en", true, ""},
        {"English", true, ""},
        {"de_AT", true, "German.qm"},
        {"zh_HK", true, "TraditionalChinese.qm"},
        {"nl", true, ""},
        {"Klingon", false, ""},
        {"", false, ""},
    };
    for (const Case& c : cases) {
        const std::optional<QLocale> locale = localeForLanguageName(QString::fromLatin1(c.name));
        ASSERT_EQ(locale.has_value(), c.valid) << c.name;
        if (locale) {
            EXPECT_EQ(languageLibraryFor(*locale), QString::fromLatin1(c.library)) << c.name;
        }
    }
}

TEST(ConfigApp, MissingCatalogKeepsTheBuiltInTexts) {
    ConfigApp configApp;
    EXPECT_FALSE(configApp.loadLanguage(QLocale(QStringLiteral("de_DE")), {QStringLiteral("/nonexistent")}));
    EXPECT_TRUE(configApp.languageLibrary().isEmpty());
    EXPECT_EQ(stringText(kSelectDevice), QStringLiteral("Please select a device in the list."));
}

}  // namespace
}  // namespace corvane::app
