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
#include "app/startup_probe.h"
#include "app/stop_signals.h"
#include "link/string_table.h"
#include "transport/endpoints.h"
#include "widgets/translation.h"
#include "widgets/window_access.h"

namespace corvane::app {

namespace {

// The options of corvane-tool. Built the same way for the look before the
// application object exists and for the real reading.
void addOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QCoreApplication::translate("ConfigApp", "Sets up the network interface of Zephran receipt printers."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        QStringLiteral("language"),
        QCoreApplication::translate("ConfigApp",
                                    "Show the windows in NAME instead of the system's language: en (the built-in "
                                    "English), a catalog name such as Japanese or German, or a locale name such as "
                                    "de_AT."),
        QStringLiteral("NAME")));
    transport::LanEndpoints::addOptions(parser);
}

}  // namespace

ConfigApp::ConfigApp() {
    // Every dialog gets its label buddies and Alt letters as it is shown.
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        access_ = std::make_unique<widgets::WindowAccess>();
        QCoreApplication::instance()->installEventFilter(access_.get());
    }
}

ConfigApp::~ConfigApp() {
    if (access_) QCoreApplication::instance()->removeEventFilter(access_.get());
    unloadLanguage();
}

void ConfigApp::unloadLanguage() {
    for (auto* translator : {translator_.get(), qtTranslator_.get()}) {
        if (translator) QCoreApplication::removeTranslator(translator);
    }
    translator_.reset();
    qtTranslator_.reset();
    languageLibrary_.clear();
}

bool ConfigApp::loadLanguage(const QLocale& locale, const QStringList& directories) {
    unloadLanguage();
    const QString library = languageLibraryFor(locale);
    if (library.isEmpty()) return false;

    // A missing or broken catalog is no error: the tool starts in English.
    auto translator = std::make_unique<QTranslator>();
    bool loaded = false;
    for (const QString& directory : directories) {
        loaded = translator->load(QDir(directory).filePath(library));
        if (loaded) break;
    }
    if (!loaded) return false;
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

QStringList ConfigApp::catalogDirectories() {
    const QString programDir = QCoreApplication::applicationDirPath();
    return {programDir, QDir::cleanPath(programDir + QStringLiteral("/../share/corvane/translations"))};
}

bool ConfigApp::answersOnTerminal(const QStringList& arguments) {
    // Unknown options are left for the real reading: they may be Qt's own
    // (-platform, -style), which only the window system's application takes.
    QCommandLineParser parser;
    addOptions(parser);
    const bool parsed = parser.parse(arguments);
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
        parser.isSet(QStringLiteral("version"))) {
        return true;
    }
    QStringList errors;
    if (parsed) transport::LanEndpoints::fromParser(parser, &errors);
    if (parsed && parser.isSet(QStringLiteral("language")) &&
        !localeForLanguageName(parser.value(QStringLiteral("language")))) {
        return true;
    }
    return !errors.isEmpty();
}

bool ConfigApp::hasDisplay(const QStringList& arguments, const std::function<QString(const char*)>& environment) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!environment(name).isEmpty()) return true;
    }
    return arguments.contains(QStringLiteral("-platform")) || arguments.contains(QStringLiteral("--platform"));
}

bool ConfigApp::chooseLanguage(const QString& requested, const QStringList& directories) {
    QLocale locale = messagesLocale([](const char* name) { return qEnvironmentVariable(name); });
    if (!requested.isEmpty()) {
        const std::optional<QLocale> named = localeForLanguageName(requested);
        if (!named) {
            QStringList names{QStringLiteral("en")};
            for (const Catalog& catalog : catalogs()) names << QString::fromLatin1(catalog.name);
            std::fprintf(stderr,
                         "corvane-tool: unknown language \"%s\"; choose one of %s, or a locale name such as de_AT\n",
                         qPrintable(requested), qPrintable(names.join(QStringLiteral(", "))));
            return false;
        }
        locale = *named;
    }
    const QString library = languageLibraryFor(locale);
    // Asked for by name, a catalog that does not load is worth a word; from
    // the system's language the tool starts in English without one.
    if (!loadLanguage(locale, directories) && !requested.isEmpty() && !library.isEmpty()) {
        std::fprintf(stderr, "corvane-tool: cannot load %s from %s; showing the built-in English texts\n",
                     qPrintable(library), qPrintable(QDir::toNativeSeparators(directories.join(QLatin1Char(':')))));
    }
    return true;
}

int ConfigApp::run(QCoreApplication& app) {
    // The language comes first, so that --help is printed in it too: a first
    // look at the command line only for --language.
    {
        QCommandLineParser first;
        addOptions(first);
        first.parse(app.arguments());
        if (!chooseLanguage(first.value(QStringLiteral("language")), catalogDirectories())) return 2;
    }

    // Prints help, the version or a mistake and ends the process when asked.
    QCommandLineParser parser;
    addOptions(parser);
    parser.process(app);

    QStringList errors;
    transport::LanEndpoints::current() = transport::LanEndpoints::fromParser(parser, &errors);
    if (!errors.isEmpty()) {
        for (const QString& error : errors) std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }

    if (!qobject_cast<QApplication*>(&app)) {
        // main() starts no window system without a display.
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate(
                         "ConfigApp",
                         "corvane-tool: the desktop tool needs a display (a desktop session, or ssh -X); "
                         "for the command line see corvane --help")));
        return 1;
    }
    // No application display name: Qt would append it to every window's
    // title, and each window's title is its own.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/corvane/corvane_tool.png")));
    const StopSignals stopSignals;
    LauncherDialog launcher;
    exitWhenShownIfAsked(launcher);
    launcher.exec();
    return stopSignals.exitCode();
}

}  // namespace corvane::app
