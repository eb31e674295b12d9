// "Assign addresses…" of the device list: consecutive fixed addresses for the
// chosen printers. The user gives the first address, the mask and
// (optionally) the gateway and the port, an empty one keeping each printer's
// own; the table previews each printer's new address and every other value
// that changes, with the checks' warnings. Apply sends one printer at a time, as the plan
// runner does, with a progress bar and each row's result; Cancel stops
// between rows. One search afterwards verifies the confirmed rows; Cancel
// during the pause before it ends the wait and leaves them not verified.
// The rows and the verification run on a worker thread over a copy of the
// device list; progress and each row's outcome come back as queued calls,
// and the confirmed rows go into the window's list when the run is done.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include <QDialog>

#include "lan/plan_run.h"
#include "lan/lan_change.h"
#include "lan/search_setup.h"
#include "transport/link_worker.h"

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

    // Apply: starts sending row by row, then verifying, on the worker;
    // returns at once (running() until the run is done).
    void apply();
    // Cancel: between rows, or ends the pause before the verification
    // search, while running (the window stays open); else closes.
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
    // On the window's thread, from the worker: a row starts, a row is done,
    // the verification starts or counts its seconds.
    void showSending(std::size_t row, std::size_t step, std::size_t count);
    void showRowDone(std::size_t row, std::size_t rowsRun, const PlanRowOutcome& outcome);
    void showVerifying();
    // After the run: the outcomes, the window's list, the summary.
    void finishRun(bool cancelled, const QString& verifyError);

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
    std::vector<PlanRowOutcome> outcomes_;
    struct Run;  // the plan run and its cancel requests, shared with the worker
    std::shared_ptr<Run> run_;
    // Last: destroyed first, waiting for a running job (cancelled first).
    std::unique_ptr<transport::LinkWorker> worker_;
};

}  // namespace corvane::lan
