#include "app/config_app.h"

#include <cstdio>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/language.h"
#include "app/launcher_dialog.h"
#include "app/startup_probe.h"
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
    const LanguageId id = languageIdForLocale(locale);
    const QString library = languageLibraryFor(id.primary, id.sub);
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

int ConfigApp::InitInstance(QApplication& app) {
    loadLanguage(QLocale::system(), QCoreApplication::applicationDirPath());
    QApplication::setApplicationDisplayName(stringText(kCaption));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/corvane/corvane_tool.png")));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Sets up the network interface of Zephran receipt printers."));
    parser.addHelpOption();
    parser.addVersionOption();
    lan::LanEndpoints::addOptions(parser);
    parser.process(app);
    QStringList errors;
    lan::LanEndpoints::current() = lan::LanEndpoints::fromParser(parser, &errors);
    if (!errors.isEmpty()) {
        for (const QString& error : errors) std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }

    LauncherDialog launcher;
    exitWhenShownIfAsked(launcher);
    launcher.exec();
    return 0;
}

}  // namespace corvane::app
