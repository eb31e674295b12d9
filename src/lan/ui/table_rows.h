// Filling the LAN windows' tables: rows of centred, read-only texts.
#pragma once

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

}  // namespace corvane::lan
