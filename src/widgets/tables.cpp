#include "widgets/tables.h"

#include <algorithm>

#include <QHeaderView>
#include <QStyle>
#include <QTableWidget>

namespace corvane::widgets {

void setColumnWidths(QTableWidget& table, std::initializer_list<int> widths) {
    QHeaderView& header = *table.horizontalHeader();
    int column = 0;
    int total = 0;
    for (const int width : widths) {
        const int fitted = std::max(width, header.sectionSizeHint(column));
        table.setColumnWidth(column++, fitted);
        total += fitted;
    }
    // Room for the frame, the row numbers when shown, and a vertical scroll
    // bar once the rows outgrow the table.
    const int rowHeader = table.verticalHeader()->isHidden() ? 0 : table.verticalHeader()->sizeHint().width();
    const int scrollBar = table.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &table);
    table.setMinimumWidth(total + rowHeader + scrollBar + 2 * table.frameWidth());
}

void appendTableRow(QTableWidget& table, const std::vector<std::string>& texts) {
    const int row = table.rowCount();
    table.insertRow(row);
    int column = 0;
    for (const auto& text : texts) {
        auto* item = new QTableWidgetItem(QString::fromStdString(text));
        item->setTextAlignment(Qt::AlignCenter);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        table.setItem(row, column++, item);
    }
}

}  // namespace corvane::widgets
