// Numbered texts in the current language. The built-in English texts are the
// keys of the translation catalogs, under the context "StringTable".
#pragma once

#include <QString>

namespace corvane::widgets {

QString stringText(int stringId);

}  // namespace corvane::widgets
