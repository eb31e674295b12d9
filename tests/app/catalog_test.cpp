// Every catalog keeps up with the sources: lupdate collects the texts the
// program can show into a scratch catalog, and each shipped catalog must hold
// exactly those, every one translated, with the source's placeholders and
// line breaks. A text added to the sources fails here until every language
// has it.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "app/language.h"

namespace corvane::app {
namespace {

struct Message {
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete" or empty
};
using Key = std::pair<QString, QString>;  // context, source text
using Messages = std::map<Key, Message>;

Messages readCatalog(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return {};
    }
    Messages messages;
    QXmlStreamReader xml(&file);
    QString context;
    Key key;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("source")) {
            key = {context, xml.readElementText()};
        } else if (name == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            messages[key] = {xml.readElementText(QXmlStreamReader::IncludeChildElements), type};
        }
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
        scratch_ = new QTemporaryDir;
        const QString path = scratch_->filePath(QStringLiteral("sources.ts"));
        const QDir root(QStringLiteral(CORVANE_SOURCE_DIR));
        QProcess lupdate;
        lupdate.start(QStringLiteral(CORVANE_LUPDATE),
                      {root.filePath(QStringLiteral("src")), root.filePath(QStringLiteral("res")),
                       QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-ts"), path});
        if (!lupdate.waitForFinished(60000) || lupdate.exitCode() != 0) {
            setUpError_ = QStringLiteral("lupdate failed: ") + QString::fromLocal8Bit(lupdate.readAllStandardError());
            return;
        }
        sources_ = readCatalog(path, &setUpError_);
    }
    static void TearDownTestSuite() {
        delete scratch_;
        scratch_ = nullptr;
    }

    static QTemporaryDir* scratch_;
    static QString setUpError_;
    static Messages sources_;
};

QTemporaryDir* Catalogs::scratch_ = nullptr;
QString Catalogs::setUpError_;
Messages Catalogs::sources_;

TEST_P(Catalogs, HoldEverySourceTextTranslated) {
    ASSERT_TRUE(setUpError_.isEmpty()) << setUpError_.toStdString();
    ASSERT_GT(sources_.size(), 200u);
    const QString path = QStringLiteral(CORVANE_SOURCE_DIR "/res/translations/%1.ts").arg(QLatin1String(GetParam()));
    QString error;
    const Messages catalog = readCatalog(path, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();

    QStringList missing, stale, unfinished, reshaped;
    for (const auto& [key, source] : sources_) {
        const auto found = catalog.find(key);
        if (found == catalog.end() || found->second.type == QLatin1String("vanished") ||
            found->second.type == QLatin1String("obsolete")) {
            missing << describe(key);
        } else if (found->second.type == QLatin1String("unfinished") || found->second.translation.isEmpty()) {
            unfinished << describe(key);
        } else if (shape(found->second.translation) != shape(key.second)) {
            reshaped << describe(key);
        }
    }
    for (const auto& [key, message] : catalog) {
        if (!sources_.count(key)) stale << describe(key);
    }
    const auto list = [](const QStringList& keys) {
        constexpr qsizetype kShown = 20;
        QString text = keys.first(std::min(keys.size(), kShown)).join(QStringLiteral("\n  "));
        if (keys.size() > kShown) text += QStringLiteral("\n  ... and %1 more").arg(keys.size() - kShown);
        return text.toStdString();
    };
    EXPECT_TRUE(missing.isEmpty()) << "not in " << path.toStdString() << " (run the update_translations target):\n  "
                                   << list(missing);
    EXPECT_TRUE(stale.isEmpty()) << "no longer in the sources:\n  " << list(stale);
    EXPECT_TRUE(unfinished.isEmpty()) << unfinished.size() << " untranslated:\n  " << list(unfinished);
    EXPECT_TRUE(reshaped.isEmpty()) << "placeholders or line breaks differ from the source:\n  " << list(reshaped);
}

std::vector<const char*> catalogNames() {
    std::vector<const char*> names;
    for (const Catalog& catalog : catalogs()) names.push_back(catalog.name);
    return names;
}

// lupdate files a text under the class or the literal context it is looked
// up with; a namespace as context means a tr() the running program resolves
// under another name, so the text would never show translated.
TEST_F(Catalogs, ContextsNameAClassOrALiteralContext) {
    ASSERT_TRUE(setUpError_.isEmpty()) << setUpError_.toStdString();
    QStringList namespaces;
    for (const auto& [key, source] : sources_) {
        const QString last = key.first.section(QStringLiteral("::"), -1);
        if (last.isEmpty() || !last.front().isUpper()) namespaces << describe(key);
    }
    EXPECT_TRUE(namespaces.isEmpty()) << namespaces.join(QLatin1Char('\n')).toStdString();

    // A helper such as Tr("text") hides its texts from lupdate altogether.
    QStringList hidden;
    QDirIterator files(QStringLiteral(CORVANE_SOURCE_DIR "/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                       QDir::Files, QDirIterator::Subdirectories);
    const QRegularExpression helperCall(QStringLiteral(R"((?<![A-Za-z_:.>])Tr\(\s*")"));
    while (files.hasNext()) {
        QFile file(files.next());
        if (file.open(QIODevice::ReadOnly) && helperCall.match(QString::fromUtf8(file.readAll())).hasMatch())
            hidden << file.fileName();
    }
    EXPECT_TRUE(hidden.isEmpty()) << hidden.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, Catalogs, testing::ValuesIn(catalogNames()),
                         [](const testing::TestParamInfo<const char*>& param) { return std::string(param.param); });

}  // namespace
}  // namespace corvane::app
