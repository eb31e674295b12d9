#include "app/config_app.h"

#include <cstdio>
#include <optional>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/language.h"
#include "app/launcher_dialog.h"
#include "app/translation.h"
#include "link/string_table.h"
#include "transport/endpoints.h"

namespace corvane::app {

ConfigApp::ConfigApp() = default;

ConfigApp::~ConfigApp() { unloadLanguage(); }

void ConfigApp::unloadLanguage() {
    for (auto* translator : {translator_.get(), qtTranslator_.get()}) {
        if (translator) QCoreApplication::removeTranslator(translator);
    }
    translator_.reset();
    qtTranslator_.reset();
    languageLibrary_.clear();
}

bool ConfigApp::loadLanguage(const QLocale& locale, const QString& directory) {
    unloadLanguage();
    const QString library = languageLibraryFor(locale);
    if (library.isEmpty()) return false;

    auto translator = std::make_unique<QTranslator>();
    // A missing or broken catalog is no error: the tool starts in English.
    if (!translator->load(QDir(directory).filePath(library))) return false;
    QCoreApplication::installTranslator(translator.get());
    translator_ = std::move(translator);
    languageLibrary_ = library;

    // Qt's own texts (standard dialogs) in the same language, when installed.
    auto qtTranslator = std::make_unique<QTranslator>();
    if (qtTranslator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qtTranslator.get());
        qtTranslator_ = std::move(qtTranslator);
    }
    return true;
}

bool ConfigApp::chooseLanguage(const QString& requested, const QString& directory) {
    QLocale locale = messagesLocale([](const char* name) { return qEnvironmentVariable(name); });
    if (!requested.isEmpty()) {
        const std::optional<QLocale> named = localeForLanguageName(requested);
        if (!named) {
            QStringList names{QStringLiteral("en")};
            for (const Catalog& catalog : catalogs()) names << QString::fromLatin1(catalog.name);
            std::fprintf(stderr, "corvane-tool: unknown language \"%s\"; choose one of %s, or a locale name such as de_AT\n",
                         qPrintable(requested), qPrintable(names.join(QStringLiteral(", "))));
            return false;
        }
        locale = *named;
    }
    const QString library = languageLibraryFor(locale);
    // Asked for by name, a catalog that does not load is worth a word; from
    // the system's language the tool starts in English without one.
    if (!loadLanguage(locale, directory) && !requested.isEmpty() && !library.isEmpty()) {
        std::fprintf(stderr, "corvane-tool: cannot load %s from %s; showing the built-in English texts\n",
                     qPrintable(library), qPrintable(QDir::toNativeSeparators(directory)));
    }
    return true;
}

int ConfigApp::InitInstance(QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Sets up the network interface of Zephran receipt printers."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption languageOption(
        QStringLiteral("language"),
        QStringLiteral("Show the windows in NAME instead of the system's language: en (the built-in English), "
                       "a catalog name such as Japanese or German, or a locale name such as de_AT."),
        QStringLiteral("NAME"));
    parser.addOption(languageOption);
    lan::LanEndpoints::addOptions(parser);
    parser.process(app);

    if (!chooseLanguage(parser.value(languageOption), QCoreApplication::applicationDirPath())) return 2;
    QApplication::setApplicationDisplayName(stringText(kCaption));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/corvane/corvane_tool.png")));

    QStringList errors;
    lan::LanEndpoints::current() = lan::LanEndpoints::fromParser(parser, &errors);
    if (!errors.isEmpty()) {
        for (const QString& error : errors) std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }

    LauncherDialog launcher;
    launcher.exec();
    return 0;
}

}  // namespace corvane::app
