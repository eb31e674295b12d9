// The tool's tables: column widths that never cut a column's title, and rows
// of centred, read-only texts.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

class QTableWidget;

namespace corvane::widgets {

// Gives the columns `widths` pixels in column order, or what a column's title
// needs where that is more, and keeps the table at least as wide as all its
// columns, so its window widens rather than hide a title behind the scroll
// bar.
void setColumnWidths(QTableWidget& table, std::initializer_list<int> widths);

// Appends a row holding `texts`, one a column, centred and read-only.
void appendTableRow(QTableWidget& table, const std::vector<std::string>& texts);

}  // namespace corvane::widgets
