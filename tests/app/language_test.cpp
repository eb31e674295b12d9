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

TEST(LanguageTable, LibrariesByPrimaryAndSubLanguage) {
    struct Case {
        int primary;
        int sub;
        const char* library;
    };
    const Case cases[] = {
        {4, 1, "TraditionalChinese.qm"}, {4, 3, "TraditionalChinese.qm"}, {4, 5, "TraditionalChinese.qm"},
        {4, 2, "SimplifiedChinese.qm"},  {4, 4, "SimplifiedChinese.qm"},  {4, 0, ""},
        {4, 6, ""},                      {7, 1, "German.qm"},             {7, 2, "German.qm"},
        {10, 3, "Spanish.qm"},           {12, 1, "French.qm"},            {14, 1, "Hungarian.qm"},
        {16, 1, "Italian.qm"},           {17, 1, "Japanese.qm"},          {18, 1, "Korean.qm"},
        {21, 1, "Polish.qm"},            {25, 1, "Russian.qm"},           {9, 1, ""},
        {19, 1, ""},                     {0, 0, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(languageLibraryFor(c.primary, c.sub), QString::fromLatin1(c.library))
            << c.primary << "/" << c.sub;
    }
}

TEST(LanguageTable, LocalesMapOntoLanguageIdentifiers) {
    struct Case {
        const char* locale;
        int primary;
        int sub;
    };
    const Case cases[] = {
        {"zh_TW", 4, 1}, {"zh_CN", 4, 2}, {"zh_HK", 4, 3}, {"zh_SG", 4, 4}, {"zh_MO", 4, 5},
        {"de_CH", 7, 2}, {"de_AT", 7, 3}, {"en_US", 9, 1}, {"nl_NL", 19, 1}, {"ru_RU", 25, 1},
    };
    for (const Case& c : cases) {
        const LanguageId id = languageIdForLocale(QLocale(QString::fromLatin1(c.locale)));
        EXPECT_EQ(id.primary, c.primary) << c.locale;
        EXPECT_EQ(id.sub, c.sub) << c.locale;
    }
    EXPECT_EQ(languageLibraryFor(4, languageIdForLocale(QLocale(QStringLiteral("zh_HK"))).sub),
              QStringLiteral("TraditionalChinese.qm"));
    // The identifier split: primary in the low ten bits.
    const LanguageId swissGerman = LanguageId::fromLangId(0x0807);
    EXPECT_EQ(swissGerman.primary, 7);
    EXPECT_EQ(swissGerman.sub, 2);
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
        {"Japanese", true, "Japanese.qm"},  {"german", true, "German.qm"}, {"TraditionalChinese", true, "TraditionalChinese.qm"},
        {"en", true, ""},                   {"English", true, ""},          {"de_AT", true, "German.qm"},
        {"zh_HK", true, "TraditionalChinese.qm"}, {"nl", true, ""},        {"Klingon", false, ""},
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
