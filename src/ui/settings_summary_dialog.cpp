#include "ui/settings_summary_dialog.h"

#include <QCoreApplication>

#include "app/table_columns.h"
#include "app/translation.h"
#include "link/visible_text.h"
#include "rules/summary_rows.h"
#include "ui/control_sync.h"
#include "ui_settings_summary.h"

namespace corvane::ui {

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
    app::setColumnWidths(*ui_->summaryList, {30, 180, 260});
    fillSummaryValues();
}

SettingsSummaryDialog::~SettingsSummaryDialog() = default;

QTableWidget* SettingsSummaryDialog::list() const { return ui_->summaryList; }

void SettingsSummaryDialog::fillSummaryValues() {
    auto& table = *ui_->summaryList;
    table.setRowCount(0);
    int number = 1;
    for (const auto& row : rules::summaryRows(writtenConfig_, layout_)) {
        const QString name = QCoreApplication::translate("SettingsSummaryDialog", row.name.c_str());
        // Labels such as "Enable" in the user's language; the printer's own
        // texts (its name, the SSID) shown visible, never as line breaks.
        const std::string value =
            row.valueTextId ? toStdString(app::stringText(row.valueTextId)) : link::VisibleText(row.value);
        appendCenteredRow(table, {std::to_string(number++), toStdString(name), value});
    }
}

}  // namespace corvane::ui
