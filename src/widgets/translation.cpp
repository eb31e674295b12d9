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

QString counted(QString text, int n) {
    return text.replace(QLatin1String("(s)"), n == 1 ? QString() : QStringLiteral("s"));
}

}  // namespace corvane::widgets
