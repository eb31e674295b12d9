// Choice of the translation catalog by the system language. The table is
// keyed by the primary and sub-language numbers of Windows language
// identifiers, which is how printers' users have always named the tool's
// languages; a Qt locale is first mapped onto those numbers.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include <QLocale>
#include <QString>

class QTranslator;

namespace corvane::app {

// A Windows language identifier: primary language in the low 10 bits,
// sub-language above.
struct LanguageId {
    int primary = 0;
    int sub = 0;
    static LanguageId fromLangId(std::uint16_t id) { return {id & 0x3FF, id >> 10}; }
};

// The catalog file for a language ("German.qm", ...), empty for none: the
// built-in English texts stay in force.
QString languageLibraryFor(int primary, int sub);

// The language identifier of a Qt locale; {0, 0} (neutral) for languages
// the table has no use for.
LanguageId languageIdForLocale(const QLocale& locale);

// The catalog the table names for a locale, empty for none.
QString languageLibraryFor(const QLocale& locale);

// A catalog by the name its file carries ("Japanese" for Japanese.qm) and a
// locale the table maps onto it.
struct Catalog {
    const char* name;
    const char* locale;
};
std::span<const Catalog> catalogs();

// The language the user reads, from the environment the way Qt reads the
// system locale on Linux: LC_ALL, else LC_MESSAGES, else LANG; unless that
// is empty, "C" or "POSIX", the first entry of LANGUAGE wins when it names
// another language or says more than it (LANGUAGE=zh_TW with LANG=zh_CN),
// but not when it says less (LANGUAGE=zh keeps LANG=zh_TW).
// `variable` returns an environment variable's value, empty when unset.
QLocale messagesLocale(const std::function<QString(const char*)>& variable);

// The locale a --language value asks for: a catalog name in any case
// ("Japanese"), "en" or "English" for the built-in texts, or a locale name
// ("de_AT", "zh_TW", "nl"). Nothing for a value that is none of these.
std::optional<QLocale> localeForLanguageName(const QString& name);

}  // namespace corvane::app
