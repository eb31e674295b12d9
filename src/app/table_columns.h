// Column widths of the tool's tables, which never cut a column's title.
#pragma once

#include <initializer_list>

class QTableWidget;

namespace corvane::app {

// Gives the columns `widths` pixels in column order, or what a column's title
// needs where that is more, and keeps the table at least as wide as all its
// columns, so its window widens rather than hide a title behind the scroll
// bar.
void setColumnWidths(QTableWidget& table, std::initializer_list<int> widths);

}  // namespace corvane::app
