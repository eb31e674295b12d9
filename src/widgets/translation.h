// Numbered texts in the current language. The built-in English texts are the
// keys of the translation catalogs, under the context "StringTable".
#pragma once

#include <QString>

#include "link/string_table.h"

namespace corvane::widgets {

QString stringText(StringId stringId);

}  // namespace corvane::widgets
