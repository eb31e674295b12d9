// The access points a WLAN printer on the LAN sees, asked over TCP 300 ms after
// the window opens and again on "Get BSS information".
#pragma once

#include <memory>

#include <QDialog>
#include <QString>

#include "link/cancel_token.h"
#include "transport/endpoints.h"
#include "transport/survey_socket.h"

class QThread;

namespace Ui {
class BssInfoDialog;
}

namespace corvane::lan {

class BssInfoDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDefaultStartDelayMs = 300;

    explicit BssInfoDialog(const QString& printerAddress, QWidget* parent = nullptr,
                           const transport::LanEndpoints& endpoints = transport::LanEndpoints::current());
    ~BssInfoDialog() override;

    void setStartDelay(int ms) { startDelayMs_ = ms; }
    void setSurveyTimings(const transport::SurveyTimings& timings) { timings_ = timings; }

    // One survey: clears the list and queries the printer on a worker
    // thread, the window staying live; the result is shown when it ends.
    // While it runs only Cancel (or closing the window) acts: it stops the
    // query at its next wait and closes the window without a message.
    void runBssSurvey();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Back on the window's thread: what the survey found.
    void onSurveyDone(bool accepted, const BssTable& table);

    std::unique_ptr<Ui::BssInfoDialog> ui_;
    QString printerAddress_;
    int surveyPort_;
    transport::SurveyTimings timings_;
    int startDelayMs_ = kDefaultStartDelayMs;
    bool started_ = false;
    bool running_ = false;
    link::CancelToken cancel_;
    bool closeAfterSurvey_ = false;
    QThread* worker_ = nullptr;  // the running survey's thread
};

}  // namespace corvane::lan
