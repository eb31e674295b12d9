// The direct configuration window: pick a serial port or USB printer,
// connect to one printer, edit its configuration on six tab pages, save it
// back and disconnect. It owns the link session and the window model that
// the pages mirror.
#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include <QDialog>

#include "history/link_save.h"
#include "link/cancel_token.h"
#include "link/exchange/delivery.h"
#include "link/exchange/link_session.h"
#include "rules/direct_config_model.h"
#include "transport/direct_link.h"
#include "direct/ui/direct_config_entry.h"
#include "direct/ui/link_access.h"
#include "transport/link_worker.h"
#include "transport/usb_printer_port.h"

namespace Ui {
class DirectConfigDialog;
}

namespace corvane::direct {

class ConfigTabCtrl;

class DirectConfigDialog : public QDialog {
    Q_OBJECT
public:
    explicit DirectConfigDialog(const DirectConfigOptions& options = {}, QWidget* parent = nullptr);
    ~DirectConfigDialog() override;

    // The buttons' handlers. Connect and Save start an exchange on the link
    // thread and return; `then` learns whether the printer took the record,
    // once the result has been shown.
    void Connect();
    void Disconnect();
    void save(std::function<void(bool saved)> then = {});
    // An exchange with the printer is running (its result not yet shown).
    bool exchanging() const { return exchanging_; }
    // The profile buttons: the pages' shared settings to a file, and a file's
    // settings onto the pages (which Save then writes).
    void exportProfile();
    void importProfile();
    // A page value differs from what Connect or the last Save showed: what
    // Disconnect, Quit, Escape and the close button ask about first.
    bool hasUnsavedEdits() const { return model_.hasUnsavedEdits(); }

    // Closing the window, however it happens, closes a connected link; edits
    // not saved are saved, dropped or kept open as the user answers. While
    // an exchange runs it cancels the exchange first and closes once it ended.
    void done(int result) override;
    // The program is stopping (SIGTERM, SIGHUP): a running exchange is
    // cancelled (its history line is written as it ends, on the link thread,
    // which the window waits for as it goes) and the window closes without
    // asking about edits that were never sent.
    void stopForExit();

    ConfigTabCtrl* tabs() const;
    const rules::DirectConfigModel& model() const { return model_; }
    const link::LinkSession& session() const { return session_; }
    QWidget* controlWidget(int id) const;

protected:
    // Escape while an exchange runs cancels it, as the Cancel button does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    link::LinkWaits exchangeWaits();
    // Runs `job` on the link thread between beginExchange and endExchange;
    // `done` follows on the window's thread.
    void runExchange(std::function<void()> job, std::function<void()> done);
    void beginExchange();
    void endExchange();
    // Closes the link on the thread that uses it.
    void closeLink();
    void onConnectEnded(link::ConnectOutcome outcome);
    // Save's messages; whether the printer took the record as written.
    bool showSaveResult(const history::LinkSave& save, const link::PrinterConfig& written);

    void onSerialChosen();
    void onUsbChosen();
    void onPosChosen();
    void onOtherTypeChosen();

    std::vector<std::string> comPortNames() const;
    std::vector<rules::UsbEntry> refreshUsbDevices();
    // The device a port list entry opens.
    QString devicePathOf(const QString& entry) const;
    void render();
    // Runs `proceed` when nothing unsaved would be lost, or once the user
    // chose to drop it or saved it successfully.
    void afterEditsSettled(const std::function<void()>& proceed);
    QString connectionText() const;
    void presentNotice(const rules::MaybeNotice& notice);
    QString chooseProfileFile(bool exporting);
    // Writes an upload's history line; what could not be recorded, or empty.
    QString recordUpload(int type, qint64 bytes, link::Delivery delivery, const QString& cause);

    DirectConfigOptions options_;
    link::CancelToken cancel_;
    bool exchanging_ = false;
    bool closeAfterExchange_ = false;
    bool stopping_ = false;
    std::vector<std::pair<QWidget*, bool>> heldDuringExchange_;  // widget, enabled before
    transport::DirectLink& port_;
    transport::LinkTimeouts savedTimeouts_;
    transport::LinkReadRule savedReadRule_;
    link::LinkSession session_;
    rules::DirectConfigModel model_;
    LinkAccess link_;
    std::vector<transport::UsbDeviceEntry> usbDevices_;
    std::unique_ptr<Ui::DirectConfigDialog> ui_;
    // Last: destroyed first, so no job outlives what it uses.
    transport::LinkWorker worker_;
};

}  // namespace corvane::direct
