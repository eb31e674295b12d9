// The application: picks the translation catalog for the system language,
// reads the command line and runs the launcher until it closes.
#pragma once

#include <memory>

#include <QLocale>
#include <QString>

class QApplication;
class QTranslator;

namespace corvane::app {

class ConfigApp {
public:
    ConfigApp();
    ~ConfigApp();
    ConfigApp(const ConfigApp&) = delete;
    ConfigApp& operator=(const ConfigApp&) = delete;

    // Installs the catalog the language table names for `locale`, looked for
    // in `directory`. False, with the built-in English texts in force, when
    // the table names none or the file is missing or unreadable.
    bool loadLanguage(const QLocale& locale, const QString& directory);
    // The catalog in force, empty for the built-in texts.
    const QString& languageLibrary() const { return languageLibrary_; }

    // The language for this run: the one `requested` names (a --language
    // value) or, when empty, the one the environment asks for; its catalog
    // from `directory`. False, with a message on stderr, for a name that is no
    // language.
    bool chooseLanguage(const QString& requested, const QString& directory);

    // Start-up: command line, language, then the launcher. Returns the
    // process exit code.
    int InitInstance(QApplication& app);

private:
    void unloadLanguage();

    std::unique_ptr<QTranslator> translator_;
    std::unique_ptr<QTranslator> qtTranslator_;
    QString languageLibrary_;
};

}  // namespace corvane::app
