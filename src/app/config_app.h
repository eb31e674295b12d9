// The application: picks the translation catalog for the system language,
// reads the command line and runs the launcher until it closes.
#pragma once

#include <functional>
#include <memory>

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;
class QTranslator;

namespace corvane::app {

class ConfigApp {
public:
    ConfigApp();
    ~ConfigApp();
    ConfigApp(const ConfigApp&) = delete;
    ConfigApp& operator=(const ConfigApp&) = delete;

    // Installs the catalog the language table names for `locale`, from the
    // first of `directories` that holds it. False, with the built-in English
    // texts in force, when the table names none or no directory has a
    // readable copy.
    bool loadLanguage(const QLocale& locale, const QStringList& directories);
    // The catalog in force, empty for the built-in texts.
    const QString& languageLibrary() const { return languageLibrary_; }

    // Where the catalogs are looked for: beside the program (a build tree),
    // then the installation's share/corvane/translations.
    static QStringList catalogDirectories();

    // True when the command line only asks for something printed on the
    // terminal (--help, --version, a refused option value): the program then
    // needs no window system and main() starts a plain QCoreApplication.
    static bool answersOnTerminal(const QStringList& arguments);
    // Whether a window system can be reached: a display (X11 or Wayland), a
    // platform Qt was told to use, or -platform on the command line. Without
    // one, run() says so in a line instead of Qt's plugin failure.
    static bool hasDisplay(const QStringList& arguments, const std::function<QString(const char*)>& environment);

    // The language for this run: the one `requested` names (a --language
    // value) or, when empty, the one the environment asks for; its catalog
    // from the first of `directories` that has it. False, with a message on
    // stderr, for a name that is no language.
    bool chooseLanguage(const QString& requested, const QStringList& directories);

    // Start-up: language, command line, then the launcher (which needs `app`
    // to be a QApplication). Returns the exit code.
    int run(QCoreApplication& app);

private:
    void unloadLanguage();

    std::unique_ptr<QObject> access_;
    std::unique_ptr<QTranslator> translator_;
    std::unique_ptr<QTranslator> qtTranslator_;
    QString languageLibrary_;
};

}  // namespace corvane::app
