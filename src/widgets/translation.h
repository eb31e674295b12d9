// Numbered texts in the current language. The built-in English texts are the
// keys of the translation catalogs, under the context "StringTable".
#pragma once

#include <QString>

#include "link/string_table.h"

namespace corvane::widgets {

QString stringText(StringId stringId);

// A text with a count, as tr("%n printer(s) found.", nullptr, n) gives it:
// the catalogs hold each language's forms; the built-in English keeps its
// "(s)", made "" for one and "s" otherwise here.
QString counted(QString text, int n);

}  // namespace corvane::widgets
