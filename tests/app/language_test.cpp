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
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

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

// The environment as the system sets it, or --language, through the
// language table to the real catalog files beside the program: which
// variable wins, the Chinese territories, a catalog name in any case, and
// the locales that keep the built-in texts.
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
    for (const auto& [setting, library] : cases) {
        QMap<QString, QString> env;
        for (const QString& pair : QString::fromLatin1(setting).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            env[pair.section(QLatin1Char('='), 0, 0)] = pair.section(QLatin1Char('='), 1);
        const QLocale locale = env.contains("--language")
                                   ? localeForLanguageName(env["--language"]).value_or(QLocale::c())
                                   : messagesLocale([&env](const char* name) { return env.value(name); });
        ConfigApp configApp;
        EXPECT_EQ(configApp.loadLanguage(locale, {QCoreApplication::applicationDirPath()}), *library != '\0')
            << setting;
        EXPECT_EQ(configApp.languageLibrary(), QString::fromLatin1(library)) << setting;
    }
    for (const char* invalid : {"Klingon", ""}) EXPECT_FALSE(localeForLanguageName(QString::fromLatin1(invalid)));
    // The Chinese sub-languages the table does not name have no catalog.
    for (const int sub : {0, 6}) EXPECT_EQ(languageLibraryFor(4, sub), QString()) << sub;
}

struct Message {
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete" or empty
};
using Key = std::pair<QString, QString>;  // context, source text
using Messages = std::map<Key, Message>;

Messages readCatalog(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) *error = path + QStringLiteral(": ") + file.errorString();
    Messages messages;
    QXmlStreamReader xml(&file);
    Key key;
    while (file.isOpen() && !xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) key.first = xml.readElementText();
        else if (xml.name() == QLatin1String("source")) key.second = xml.readElementText();
        else if (xml.name() == QLatin1String("translation"))
            messages[key] = {xml.readElementText(QXmlStreamReader::IncludeChildElements),
                             xml.attributes().value(QLatin1String("type")).toString()};
    }
    if (xml.hasError()) *error = path + QStringLiteral(": ") + xml.errorString();
    return messages;
}

QString describe(const Key& key) { return key.first + QStringLiteral(" \"") + key.second + QStringLiteral("\""); }

// What a translation must carry over: %1-style placeholders and line breaks.
QStringList shape(const QString& text) {
    QStringList parts;
    static const QRegularExpression placeholder(QStringLiteral("%L?\\d+"));
    for (const auto& match : placeholder.globalMatch(text)) parts << match.captured();
    parts.sort();
    parts << QString::number(text.count(QLatin1Char('\n')));
    return parts;
}

class Catalogs : public testing::TestWithParam<const char*> {
protected:
    static void SetUpTestSuite() {
        QTemporaryDir scratch;
        const QString path = scratch.filePath(QStringLiteral("sources.ts"));
        QProcess lupdate;
        lupdate.start(QStringLiteral(CORVANE_LUPDATE),
                      {QStringLiteral(CORVANE_SOURCE_DIR "/src"), QStringLiteral(CORVANE_SOURCE_DIR "/res"),
                       QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-ts"), path});
        if (!lupdate.waitForFinished(60000) || lupdate.exitCode() != 0)
            setUpError_ = QStringLiteral("lupdate failed: ") + QString::fromLocal8Bit(lupdate.readAllStandardError());
        else sources_ = readCatalog(path, &setUpError_);
    }

    static inline QString setUpError_;
    static inline Messages sources_;
};

TEST_P(Catalogs, HoldEverySourceTextTranslated) {
    ASSERT_TRUE(setUpError_.isEmpty()) << setUpError_.toStdString();
    ASSERT_GT(sources_.size(), 200u);
    const QString path = QStringLiteral(CORVANE_SOURCE_DIR "/res/translations/%1.ts").arg(QLatin1String(GetParam()));
    QString error;
    const Messages catalog = readCatalog(path, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();

    QStringList faults;
    for (const auto& [key, source] : sources_) {
        const auto found = catalog.find(key);
        if (found == catalog.end() || found->second.type == QLatin1String("vanished") ||
            found->second.type == QLatin1String("obsolete"))
            faults << QStringLiteral("missing (run the update_translations target): ") + describe(key);
        else if (found->second.type == QLatin1String("unfinished") || found->second.translation.isEmpty())
            faults << QStringLiteral("untranslated: ") + describe(key);
        else if (shape(found->second.translation) != shape(key.second))
            faults << QStringLiteral("placeholders or line breaks differ: ") + describe(key);
    }
    for (const auto& [key, message] : catalog)
        if (!sources_.count(key)) faults << QStringLiteral("no longer in the sources: ") + describe(key);
    EXPECT_TRUE(faults.isEmpty()) << faults.size() << " in " << path.toStdString() << ":\n  "
                                  << faults.first(std::min<qsizetype>(faults.size(), 20)).join("\n  ").toStdString();
}

// lupdate files a text under the class or the literal context it is looked
// up with; a namespace as context means a tr() the running program resolves
// under another name, so the text would never show translated. A helper such
// as Tr("text") hides its texts from lupdate altogether.
TEST_F(Catalogs, ContextsNameAClassOrALiteralContext) {
    ASSERT_TRUE(setUpError_.isEmpty()) << setUpError_.toStdString();
    QStringList faults;
    for (const auto& [key, source] : sources_) {
        const QString last = key.first.section(QStringLiteral("::"), -1);
        if (last.isEmpty() || !last.front().isUpper()) faults << describe(key);
    }
    QDirIterator files(QStringLiteral(CORVANE_SOURCE_DIR "/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                       QDir::Files, QDirIterator::Subdirectories);
    const QRegularExpression helperCall(QStringLiteral(R"((?<![A-Za-z_:.>])Tr\(\s*")"));
    while (files.hasNext()) {
        QFile file(files.next());
        if (file.open(QIODevice::ReadOnly) && helperCall.match(QString::fromUtf8(file.readAll())).hasMatch())
            faults << file.fileName();
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
