// Filling the LAN windows' tables: rows of centred, read-only texts.
#pragma once

#include <initializer_list>
#include <string>

#include <QTableWidget>

namespace corvane::lan {

template <typename Texts>
void appendTableRow(QTableWidget& table, const Texts& texts) {
    const int row = table.rowCount();
    table.insertRow(row);
    int column = 0;
    for (const std::string& text : texts) {
        auto* item = new QTableWidgetItem(QString::fromStdString(text));
        item->setTextAlignment(Qt::AlignCenter);
        table.setItem(row, column++, item);
    }
}

// Column widths in pixels, in column order.
inline void setColumnWidths(QTableWidget& table, std::initializer_list<int> widths) {
    int column = 0;
    for (const int width : widths) table.setColumnWidth(column++, width);
}

}  // namespace corvane::lan
