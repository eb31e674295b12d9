// "Assign addresses…" of the device list: consecutive fixed addresses for the
// chosen printers. The user gives the first address, the mask and
// (optionally) the gateway and the port, an empty one keeping each printer's
// own; the table previews each printer's new address and every other value
// that changes, with the checks' warnings. Apply sends one printer at a time, as the plan
// runner does, with a progress bar and each row's result; Cancel stops
// between rows. One search afterwards verifies the confirmed rows; Cancel
// during the pause before it ends the wait and leaves them not verified.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include <QDialog>

#include "lan/plan_run.h"
#include "lan/lan_change.h"
#include "lan/search_setup.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace corvane::lan {

class AssignAddressesDialog : public QDialog {
    Q_OBJECT
public:
    // `setup`: where the list's search went out (the requests and the
    // verification search go the same way); `macs`: the chosen printers in
    // the list's order; `verifyTiming`: the printers' restart pause and the searches' limit.
    AssignAddressesDialog(SearchSetup setup, std::vector<link::MacAddress> macs, const VerifyTiming& verifyTiming,
                          QWidget* parent = nullptr);
    ~AssignAddressesDialog() override;

    // Apply: sends row by row, then verifies.
    void apply();
    // Cancel: between rows, or ends the pause before the verification
    // search, while running; else closes.
    void reject() override;

    bool running() const { return running_; }
    // After Apply: each row's outcome.
    const std::vector<PlanRowOutcome>& outcomes() const { return outcomes_; }

private:
    // The plan the fields give; nullopt while they are incomplete or wrong
    // (the status line says which).
    std::optional<std::vector<rules::PlanRow>> plan();
    void refreshPreview();
    void fitRows();
    void showRow(int row, const PlanRowOutcome& outcome);
    QString resultText(PlanResult result, bool preview) const;
    QStringList notesOf(const PlanRowOutcome& outcome) const;
    void setEditable(bool editable);

    SearchSetup setup_;
    std::vector<link::MacAddress> macs_;
    VerifyTiming verifyTiming_;
    QLineEdit* firstEdit_;
    QLineEdit* maskEdit_;
    QLineEdit* gatewayEdit_;
    QLineEdit* portEdit_;
    QCheckBox* forceCheck_;
    QCheckBox* conflictsCheck_;
    QTableWidget* table_;
    QProgressBar* progress_;
    QLabel* status_;
    QPushButton* applyButton_;
    QPushButton* cancelButton_;
    bool running_ = false;
    bool cancelRequested_ = false;  // stop sending rows
    link::CancelToken cancel_;      // end the pause before the verification
    std::vector<PlanRowOutcome> outcomes_;
};

}  // namespace corvane::lan
