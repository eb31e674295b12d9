// "Provision printers…": the provisioning line in a window. The technician
// chooses the profile (the secrets it leaves out are asked once) and,
// optionally, the printers sheet, presses Start and plugs printers in; a row
// per device node shows how each went, with a count, until Stop.
#pragma once

#include <memory>

#include <QDialog>
#include <QMap>
#include <QString>

#include "provision/provision_line.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace corvane::provision {

class ProvisionDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProvisionDialog(QWidget* parent = nullptr);
    ~ProvisionDialog() override;

    // Watch this folder's nodes instead of the USB printers (tests, the demo).
    void setDeviceFolder(const QString& folder) { deviceFolder_ = folder; }

    QLineEdit* profileEdit() const { return profileEdit_; }
    QLineEdit* printersEdit() const { return printersEdit_; }
    QLineEdit* serialEdit() const { return serialEdit_; }
    QPushButton* startButton() const { return startButton_; }
    QPushButton* stopButton() const { return stopButton_; }
    QTableWidget* table() const { return table_; }
    QLabel* countLabel() const { return countLabel_; }

    void onStart();
    void onStop();
    bool running() const { return running_; }

protected:
    void reject() override;

private:
    void chooseFile(QLineEdit* edit, const QString& filter);
    int rowFor(const QString& node);
    void onNodeChanged(const QString& node, NodeState state);
    void onPrinterDone(const PrinterReport& report);
    void onFinished();
    void updateCount();
    void setRunning(bool running);

    QString deviceFolder_;
    QLineEdit* profileEdit_ = nullptr;
    QLineEdit* printersEdit_ = nullptr;
    QLineEdit* serialEdit_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* countLabel_ = nullptr;
    std::unique_ptr<ProvisionLine> line_;
    QMap<QString, int> rows_;  // the current row of each node
    bool running_ = false;
    bool closeWhenFinished_ = false;
};

}  // namespace corvane::provision
