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

// The first directory holding the catalog wins (an installed tool has none
// beside the program); its texts replace the built-in ones until the app
// object goes; without a catalog the built-in texts stay.
TEST(ConfigApp, GermanCatalogReplacesTheTextsUntilUnloaded) {
    const QString english = stringText(kSelectDevice);
    EXPECT_EQ(english, QStringLiteral("Please select a device in the list."));
    {
        ConfigApp configApp;
        EXPECT_FALSE(configApp.loadLanguage(QLocale(QStringLiteral("de_DE")), {QStringLiteral("/nonexistent")}));
        EXPECT_TRUE(configApp.languageLibrary().isEmpty());
        EXPECT_EQ(stringText(kSelectDevice), english);
        ASSERT_TRUE(configApp.loadLanguage(QLocale(QStringLiteral("de_CH")),
                                           {QStringLiteral("/nonexistent"), QCoreApplication::applicationDirPath()}));
        EXPECT_EQ(configApp.languageLibrary(), QStringLiteral("German.qm"));
        EXPECT_EQ(stringText(kSelectDevice), QStringLiteral("Bitte wählen Sie ein Gerät in der Liste aus."));
        EXPECT_EQ(QCoreApplication::translate("LauncherDialog", "Exit"), QStringLiteral("Beenden"));
    }
    EXPECT_EQ(stringText(kSelectDevice), english);
}

// The environment as the system sets it, through the language table, to the
// real catalog files beside the program: which variable wins, the Chinese
// territories, and the locales that keep the built-in texts.
TEST(ConfigApp, EnvironmentChoosesTheCatalog) {
    struct Case {
        std::map<std::string, QString> environment;
        const char* library;
    };
    const Case cases[] = {
        {{{"LANG", "zh_HK.UTF-8"}}, "TraditionalChinese.qm"},
        {{{"LANG", "zh_MO.UTF-8"}}, "TraditionalChinese.qm"},
        {{{"LANG", "zh_SG.UTF-8"}}, "SimplifiedChinese.qm"},
        {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "zh_CN.UTF-8"}}, "SimplifiedChinese.qm"},
        {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "ja:en"}}, "Japanese.qm"},
        {{{"LC_ALL", "pl_PL.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, "Polish.qm"},
        // LANGUAGE that says less than LANG keeps LANG's territory.
        {{{"LANG", "zh_TW.UTF-8"}, {"LANGUAGE", "zh"}}, "TraditionalChinese.qm"},
        {{{"LANG", "zh_CN.UTF-8"}, {"LANGUAGE", "zh_TW:zh"}}, "TraditionalChinese.qm"},
        // The C locale ignores LANGUAGE.
        {{{"LANG", "C"}, {"LANGUAGE", "de"}}, ""},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "C"}}, ""},
        {{{"LANG", "nl_NL.UTF-8"}}, ""},
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
    // The Chinese sub-languages the table does not name have no catalog.
    for (const int sub : {0, 6}) EXPECT_EQ(languageLibraryFor(4, sub), QString()) << sub;
}

// --language takes a catalog name in any case or a locale; English and
// languages without a catalog are valid and keep the built-in texts.
TEST(ConfigApp, LanguageNamesOnTheCommandLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"german", "German.qm"},
        {"TraditionalChinese", "TraditionalChinese.qm"},
        {"English", ""},
        {"de_AT", "German.qm"},
        {"zh_HK", "TraditionalChinese.qm"},
        {"nl", ""},
    };
    for (const auto& [name, library] : cases) {
        const std::optional<QLocale> locale = localeForLanguageName(QString::fromLatin1(name));
        ASSERT_TRUE(locale.has_value()) << name;
        EXPECT_EQ(languageLibraryFor(*locale), QString::fromLatin1(library)) << name;
    }
    for (const char* invalid : {"Klingon", ""}) EXPECT_FALSE(localeForLanguageName(QString::fromLatin1(invalid)));
}

}  // namespace
}  // namespace corvane::app
