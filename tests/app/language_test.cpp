#include "app/language.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include "app/config_app.h"
#include "app/translation.h"
#include "link/string_table.h"

namespace corvane::app {
namespace {

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

TEST(ConfigApp, MissingCatalogOrEnglishKeepsTheBuiltInTexts) {
    ConfigApp configApp;
    EXPECT_FALSE(configApp.loadLanguage(QLocale(QStringLiteral("fr_FR")), {QCoreApplication::applicationDirPath()}));
    EXPECT_FALSE(configApp.loadLanguage(QLocale(QStringLiteral("en_GB")), {QCoreApplication::applicationDirPath()}));
    EXPECT_FALSE(configApp.loadLanguage(QLocale(QStringLiteral("de_DE")), {QStringLiteral("/nonexistent")}));
    EXPECT_TRUE(configApp.languageLibrary().isEmpty());
    EXPECT_EQ(stringText(kSelectDevice), QStringLiteral("Please select a device in the list."));
}

TEST(ConfigApp, GermanCatalogTranslatesEveryNumberedText) {
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral("German.qm"), QCoreApplication::applicationDirPath()));
    for (const StringEntry* e = StringTableBegin(); e != StringTableEnd(); ++e) {
        EXPECT_FALSE(german.translate(kStringTableContext, e->text).isEmpty()) << e->id << " " << e->text;
    }
}

}  // namespace
}  // namespace corvane::app
