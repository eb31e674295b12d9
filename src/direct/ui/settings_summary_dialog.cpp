#include "direct/ui/settings_summary_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>

#include "link/visible_text.h"
#include "rules/summary_rows.h"
#include "direct/ui/control_sync.h"
#include "ui_settings_summary.h"
#include "widgets/tables.h"
#include "widgets/translation.h"

namespace corvane::direct {

namespace {
ModalRunner& modalRunner() {
    static ModalRunner runner;
    return runner;
}
}  // namespace

void setModalRunner(ModalRunner runner) { modalRunner() = std::move(runner); }

int runModal(QDialog& dialog) { return modalRunner() ? modalRunner()(dialog) : dialog.exec(); }

SettingsSummaryDialog::SettingsSummaryDialog(const link::PrinterConfig& writtenConfig, link::ConfigLayout layout,
                                             QWidget* parent)
    : QDialog(parent),
      writtenConfig_(writtenConfig),
      layout_(layout),
      ui_(std::make_unique<Ui::SettingsSummaryDialog>()) {
    ui_->setupUi(this);
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui_->showSecrets, &QCheckBox::toggled, this, &SettingsSummaryDialog::fillSummaryValues);
    connect(ui_->copyButton, &QPushButton::clicked, this, &SettingsSummaryDialog::copyRows);
    widgets::setColumnWidths(*ui_->summaryList, {30, 180, 260});
    fillSummaryValues();
}

SettingsSummaryDialog::~SettingsSummaryDialog() = default;

QTableWidget* SettingsSummaryDialog::list() const { return ui_->summaryList; }

void SettingsSummaryDialog::fillSummaryValues() {
    auto& table = *ui_->summaryList;
    table.setRowCount(0);
    int number = 1;
    for (const auto& row : rules::SummaryRows(writtenConfig_, layout_)) {
        const QString name = QCoreApplication::translate("SettingsSummaryDialog", row.name.c_str());
        // Labels such as "Enable" in the user's language; the printer's own
        // texts (its name, the SSID) shown visible, never as line breaks.
        std::string value =
            row.valueTextId ? toStdString(widgets::stringText(row.valueTextId)) : link::VisibleText(row.value);
        // A secret shows as a fixed run of dots: not even its length is told.
        if (row.secret && !value.empty() && !ui_->showSecrets->isChecked())
            value = "\u2022\u2022\u2022\u2022\u2022\u2022\u2022\u2022";
        widgets::appendTableRow(table, {std::to_string(number++), toStdString(name), value});
    }
}

void SettingsSummaryDialog::copyRows() {
    // What the list shows, secrets masked unless shown, one row a line.
    const auto& table = *ui_->summaryList;
    QStringList lines;
    for (int r = 0; r < table.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table.columnCount(); ++c)
            cells << (table.item(r, c) ? table.item(r, c)->text() : QString());
        lines << cells.join(QLatin1Char('\t'));
    }
    QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

}  // namespace corvane::direct
