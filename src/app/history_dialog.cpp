#include "app/history_dialog.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

#include "history/readable_changes.h"
#include "widgets/messages.h"
#include "widgets/window_placement.h"

namespace corvane::app {

namespace {

QString chooseWithDialog(QWidget* parent) {
    QFileDialog chooser(parent, QCoreApplication::translate("HistoryDialog", "Export CSV"), QString(),
                        QCoreApplication::translate("HistoryDialog", "Comma-separated values (*.csv);;All files (*)"));
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setDefaultSuffix(QStringLiteral("csv"));
    return chooser.exec() == QDialog::Accepted ? chooser.selectedFiles().value(0) : QString();
}

}  // namespace

HistoryDialog::HistoryDialog(QWidget* parent, FileChooser chooseCsvFile, const QString& path)
    : QDialog(parent),
      chooseCsvFile_(chooseCsvFile ? std::move(chooseCsvFile) : FileChooser(chooseWithDialog)),
      log_(history::readLog(path)),
      macFilter_(new QComboBox(this)),
      table_(new QTableWidget(this)),
      warnings_(new QLabel(this)) {
    setWindowTitle(QCoreApplication::translate("HistoryDialog", "History of changes"));
    resize(900, 480);

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(new QLabel(QCoreApplication::translate("HistoryDialog", "Printer"), this));
    macFilter_->setObjectName(QStringLiteral("macFilter"));
    macFilter_->addItem(QCoreApplication::translate("HistoryDialog", "All printers"));
    QStringList macs;
    for (const history::Entry& e : log_.entries)
        if (!macs.contains(e.mac)) macs << e.mac;
    macs.sort();
    macFilter_->addItems(macs);
    filterRow->addWidget(macFilter_);
    filterRow->addStretch();

    table_->setObjectName(QStringLiteral("historyTable"));
    table_->setColumnCount(7);
    table_->setHorizontalHeaderLabels(
        {QCoreApplication::translate("HistoryDialog", "Time (UTC)"),
         QCoreApplication::translate("HistoryDialog", "Front end"),
         QCoreApplication::translate("HistoryDialog", "Action"), QCoreApplication::translate("HistoryDialog", "Way in"),
         QCoreApplication::translate("HistoryDialog", "MAC"), QCoreApplication::translate("HistoryDialog", "Changes"),
         QCoreApplication::translate("HistoryDialog", "Outcome")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);

    // Lines that could not be read are named, not hidden.
    QStringList problems = log_.warnings;
    if (!log_.error.isEmpty()) problems.prepend(log_.error);
    warnings_->setObjectName(QStringLiteral("historyWarnings"));
    warnings_->setWordWrap(true);
    warnings_->setText(problems.join(QLatin1Char('\n')));
    warnings_->setVisible(!problems.isEmpty());

    auto* buttons = new QHBoxLayout;
    auto* exportButton = new QPushButton(QCoreApplication::translate("HistoryDialog", "Export CSV…"), this);
    exportButton->setObjectName(QStringLiteral("exportCsvButton"));
    exportButton->setAutoDefault(false);
    auto* closeButton = new QPushButton(QCoreApplication::translate("HistoryDialog", "Close"), this);
    buttons->addStretch();
    buttons->addWidget(exportButton);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(table_);
    layout->addWidget(warnings_);
    layout->addLayout(buttons);

    connect(macFilter_, &QComboBox::currentIndexChanged, this, &HistoryDialog::showEntries);
    connect(exportButton, &QPushButton::clicked, this, &HistoryDialog::exportCsv);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    showEntries();
}

void HistoryDialog::showEntries() {
    const QString mac = macFilter_->currentIndex() > 0 ? macFilter_->currentText() : QString();
    shown_ = history::filterEntries(log_.entries, mac, {});
    table_->setSortingEnabled(false);
    table_->setRowCount(0);
    for (const history::Entry& e : shown_) {
        const int row = table_->rowCount();
        table_->insertRow(row);
        const QString outcome = e.message.isEmpty() ? e.outcome : QStringLiteral("%1: %2").arg(e.outcome, e.message);
        const QStringList cells{e.time.toString(Qt::ISODate),    e.frontEnd, e.action, history::wayText(e), e.mac,
                                history::readableChangesText(e), outcome};
        for (int column = 0; column < cells.size(); ++column)
            table_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    table_->setSortingEnabled(true);
    table_->resizeColumnsToContents();
}

void HistoryDialog::exportCsv() {
    const QString path = chooseCsvFile_(this);
    if (path.isEmpty()) return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(history::csv(shown_)) < 0 || !file.commit()) {
        widgets::showNote(this, QCoreApplication::translate("HistoryDialog", "The history could not be exported:\n%1")
                                    .arg(file.errorString()));
    }
}

void showHistory(QWidget* parent) {
    HistoryDialog window(parent);
    widgets::coverParentWindow(window);
    window.exec();
}

}  // namespace corvane::app
