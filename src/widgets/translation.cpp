#include "widgets/translation.h"

#include <QCoreApplication>

#include "link/string_table.h"

namespace corvane::widgets {

QString stringText(StringId stringId) {
    const std::string_view text = StringText(stringId);
    if (text.empty()) return {};
    // The table's texts are string literals, so data() is zero-terminated.
    return QCoreApplication::translate(kStringTableContext, text.data());
}

}  // namespace corvane::widgets
