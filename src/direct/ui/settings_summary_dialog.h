// The window shown after a successful save: the record just written, one
// row per setting, read-only.
#pragma once

#include <functional>
#include <memory>

#include <QDialog>

#include "link/printer_config.h"

class QTableWidget;

namespace Ui {
class SettingsSummaryDialog;
}

namespace corvane::direct {

class SettingsSummaryDialog : public QDialog {
    Q_OBJECT
public:
    SettingsSummaryDialog(const link::PrinterConfig& writtenConfig, link::ConfigLayout layout,
                          QWidget* parent = nullptr);
    ~SettingsSummaryDialog() override;

    QTableWidget* list() const;

private:
    void fillSummaryValues();
    void copyRows();

    link::PrinterConfig writtenConfig_;
    link::ConfigLayout layout_;
    std::unique_ptr<Ui::SettingsSummaryDialog> ui_;
};

// Runs a modal window of this component. Tests replace the runner so no
// window ever waits for a click; the default is QDialog::exec.
using ModalRunner = std::function<int(QDialog&)>;
void setModalRunner(ModalRunner runner);
int runModal(QDialog& dialog);

}  // namespace corvane::direct
