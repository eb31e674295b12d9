// Choice of the translation catalog by the system language. The table is
// keyed by the primary and sub-language numbers of Windows language
// identifiers, which is how printers' users have always named the tool's
// languages; a Qt locale is first mapped onto those numbers.
#pragma once

#include <cstdint>

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

}  // namespace corvane::app
