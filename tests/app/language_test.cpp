// Languages: the catalog the environment or --language chooses, its texts
// in place of the built-in ones, and every catalog keeping up with the
// sources: lupdate collects the texts the program can show into a scratch
// catalog, and each shipped catalog must hold exactly those, every one
// translated, with the source's placeholders and line breaks. A text added
// to the sources fails here until every language has it.
#include "app/language.h"

#include <gtest/gtest.h>

#include <map>

#include <QCoreApplication>
#include <QMap>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "app/config_app.h"
#include "link/string_table.h"
#include "widgets/translation.h"

namespace corvane::app {
namespace {

using widgets::stringText;

// The environment as the system sets it, or --language, through the
// language table to the real catalog files beside the program: which
// variable wins, the Chinese territories, a catalog name in any case, and
// the locales that keep the built-in texts. The first directory holding the
// catalog wins (an installed tool has none beside the program); its texts
// replace the built-in ones until the app object goes.
TEST(ConfigApp, EnvironmentOrCommandLineChoosesTheCatalog) {
    const std::pair<const char*, const char*> cases[] = {
        {"LANG=zh_HK.UTF-8", "TraditionalChinese.qm"},
        {"LANG=zh_MO.UTF-8", "TraditionalChinese.qm"},
        {"LANG=zh_SG.UTF-8", "SimplifiedChinese.qm"},
        {"LANG=en_US.UTF-8 LC_MESSAGES=zh_CN.UTF-8", "SimplifiedChinese.qm"},
        {"LANG=en_US.UTF-8 LANGUAGE=ja:en", "Japanese.qm"},
        {"LC_ALL=pl_PL.UTF-8 LC_MESSAGES=fr_FR.UTF-8 LANG=de_DE.UTF-8", "Polish.qm"},
        // LANGUAGE that says less than LANG keeps LANG's territory.
        {"LANG=zh_TW.UTF-8 LANGUAGE=zh", "TraditionalChinese.qm"},
        {"LANG=zh_CN.UTF-8 LANGUAGE=zh_TW:zh", "TraditionalChinese.qm"},
        // The C locale ignores LANGUAGE.
        {"LANG=C LANGUAGE=de", ""},
        {"LANG=de_DE.UTF-8 LC_ALL=C", ""},
        {"LANG=nl_NL.UTF-8", ""},
        {"", ""},
        {"--language=german", "German.qm"},
        {"--language=zh_HK", "TraditionalChinese.qm"},
        {"--language=de_AT", "German.qm"},
    };
    const QString english = stringText(kSelectDevice);
    EXPECT_EQ(english, QStringLiteral("Please select a device in the list."));
    for (const auto& [setting, library] : cases) {
        QMap<QString, QString> env;
        for (const QString& pair : QString::fromLatin1(setting).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            env[pair.section(QLatin1Char('='), 0, 0)] = pair.section(QLatin1Char('='), 1);
        const QLocale locale = env.contains("--language")
                                   ? localeForLanguageName(env["--language"]).value_or(QLocale::c())
                                   : messagesLocale([&env](const char* name) { return env.value(name); });
        ConfigApp configApp;
        EXPECT_EQ(
            configApp.loadLanguage(locale, {QStringLiteral("/nonexistent"), QCoreApplication::applicationDirPath()}),
            *library != '\0')
            << setting;
        EXPECT_EQ(configApp.languageLibrary(), QString::fromLatin1(library)) << setting;
        if (configApp.languageLibrary() == QLatin1String("German.qm")) {
            EXPECT_EQ(stringText(kSelectDevice), QStringLiteral("Bitte wählen Sie ein Gerät in der Liste aus."));
            EXPECT_EQ(QCoreApplication::translate("LauncherDialog", "Exit"), QStringLiteral("Beenden"));
        }
    }
    EXPECT_FALSE(ConfigApp().loadLanguage(QLocale(QStringLiteral("de_DE")), {QStringLiteral("/nonexistent")}));
    EXPECT_EQ(stringText(kSelectDevice), english);
    for (const char* invalid : {"Klingon", ""}) EXPECT_FALSE(localeForLanguageName(QString::fromLatin1(invalid)));
    // The Chinese sub-languages the table does not name have no catalog.
    for (const int sub : {0, 6}) EXPECT_EQ(languageLibraryFor(4, sub), QString()) << sub;
}

// The catalog `name` as lupdate leaves it once brought up to date with the
// sources, in a scratch copy: a text new in the sources comes in unfinished,
// a text gone from them stays as vanished. Empty when lupdate fails.
QString UpdatedCatalog(const QString& name, QString* error) {
    QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("catalog.ts"));
    QFile::copy(QStringLiteral(CORVANE_SOURCE_DIR "/res/translations/%1.ts").arg(name), path);
    QProcess lupdate;
    lupdate.start(QStringLiteral(CORVANE_LUPDATE),
                  {QStringLiteral(CORVANE_SOURCE_DIR "/src"), QStringLiteral(CORVANE_SOURCE_DIR "/res"),
                   QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-ts"), path});
    QFile file(path);
    if (!lupdate.waitForFinished(60000) || lupdate.exitCode() != 0 || !file.open(QIODevice::ReadOnly)) {
        *error = QString::fromLocal8Bit(lupdate.readAllStandardError());
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

// What a translation must carry over: %1-style placeholders and line breaks.
QStringList shape(const QString& text) {
    QStringList parts;
    static const QRegularExpression placeholder(QStringLiteral("%L?\\d+"));
    for (const auto& match : placeholder.globalMatch(text)) parts << match.captured();
    parts.sort();
    parts << QString::number(text.count(QLatin1Char('\n')));
    return parts;
}

// Each shipped catalog holds exactly the texts of the sources, every one
// translated, with the source's placeholders and line breaks.
class Catalogs : public testing::TestWithParam<const char*> {};

TEST_P(Catalogs, HoldEverySourceTextTranslated) {
    QString error;
    const QString catalog = UpdatedCatalog(QString::fromLatin1(GetParam()), &error);
    ASSERT_FALSE(catalog.isEmpty()) << "lupdate failed: " << error.toStdString();
    static const QRegularExpression message(
        QStringLiteral(R"(<source>(.*?)</source>.*?<translation( type="\w+")?>(.*?)</translation>)"),
        QRegularExpression::DotMatchesEverythingOption);
    QStringList faults;
    int count = 0;
    for (const auto& match : message.globalMatch(catalog)) {
        ++count;
        if (!match.captured(2).isEmpty() || match.captured(3).isEmpty())
            faults << QStringLiteral("%1 (run the update_translations target): %2")
                          .arg(match.captured(2), match.captured(1));
        else if (shape(match.captured(3)) != shape(match.captured(1)))
            faults << QStringLiteral("placeholders or line breaks differ: ") + match.captured(1);
    }
    EXPECT_GT(count, 200);
    EXPECT_EQ(count, catalog.count(QStringLiteral("<message>")));
    EXPECT_TRUE(faults.isEmpty()) << faults.size() << " in " << GetParam() << ":\n  "
                                  << faults.first(std::min<qsizetype>(faults.size(), 20)).join("\n  ").toStdString();
}

// lupdate files a text under the class or the literal context it is looked
// up with; a namespace as context means a tr() the running program resolves
// under another name, so the text would never show translated.
TEST(CatalogContexts, NameAClassOrALiteralContext) {
    QString error;
    const QString catalog = UpdatedCatalog(QStringLiteral("German"), &error);
    ASSERT_FALSE(catalog.isEmpty()) << "lupdate failed: " << error.toStdString();
    QStringList faults;
    static const QRegularExpression context(QStringLiteral("<name>(.*)</name>"));
    for (const auto& match : context.globalMatch(catalog)) {
        const QString last = match.captured(1).section(QStringLiteral("::"), -1);
        if (last.isEmpty() || !last.front().isUpper()) faults << match.captured(1);
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

std::vector<const char*> catalogNames() {
    std::vector<const char*> names;
    for (const Catalog& catalog : catalogs()) names.push_back(catalog.name);
    return names;
}

INSTANTIATE_TEST_SUITE_P(Languages, Catalogs, testing::ValuesIn(catalogNames()),
                         [](const testing::TestParamInfo<const char*>& param) { return std::string(param.param); });

}  // namespace
}  // namespace corvane::app
