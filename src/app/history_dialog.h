// The launcher's History window: every change the tool sent, as a table the
// user sorts by any column and narrows to one printer, and exports as CSV.
#pragma once

#include <functional>

#include <QDialog>

#include "history/history_log.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace corvane::app {

class HistoryDialog : public QDialog {
    Q_OBJECT
public:
    // Where the CSV goes; empty: cancelled. The save dialog when empty.
    using FileChooser = std::function<QString(QWidget* parent)>;

    explicit HistoryDialog(QWidget* parent = nullptr, FileChooser chooseCsvFile = {},
                           const QString& path = history::historyPath());

    QTableWidget* table() const { return table_; }
    QComboBox* macFilter() const { return macFilter_; }
    // The entries the filter lets through, oldest first.
    const QList<history::Entry>& shownEntries() const { return shown_; }

    void exportCsv();

private:
    void showEntries();

    FileChooser chooseCsvFile_;
    history::Log log_;
    QList<history::Entry> shown_;
    QComboBox* macFilter_;
    QTableWidget* table_;
    QLabel* warnings_;
};

void showHistory(QWidget* parent);

}  // namespace corvane::app
