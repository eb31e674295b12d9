#include "lan/ui/test_print_button.h"

#include <QApplication>
#include <QBoxLayout>
#include <QPointer>
#include <QPushButton>

#include "link/cancel_token.h"
#include "transport/link_worker.h"
#include "transport/test_print.h"
#include "widgets/messages.h"

namespace corvane::lan {

namespace {

// One test page going out on a worker thread, owned by its window. The
// window's test print buttons are disabled meanwhile and given back when it
// is done; the job then deletes itself. A window closed meanwhile cancels it
// (the connection and the write end within a slice).
class TestPrintJob : public QObject {
public:
    explicit TestPrintJob(QWidget* window) : QObject(window), window_(window) {
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            if (!button->objectName().startsWith(QLatin1String("testPrint")) || !button->isEnabled()) continue;
            button->setEnabled(false);
            disabled_ << button;
        }
    }
    ~TestPrintJob() override { cancel_.cancel(); }  // before the worker waits for the job

    void start(const QString& address, int port, const Bytes& page) {
        worker_.start(
            [this, address, port, page] { sent_ = transport::sendTestPrint(address, port, page, {}, {&cancel_}); },
            [this, target = transport::printTarget(address, port)] { finish(target); });
    }

private:
    void finish(const QString& target) {
        for (const QPointer<QPushButton>& button : disabled_) {
            if (button) button->setEnabled(true);
        }
        if (sent_)
            widgets::showNote(window_,
                              QApplication::translate("DeviceListDialog", "Test page sent to %1.").arg(target));
        else
            widgets::showNote(window_,
                              QApplication::translate("DeviceListDialog", "The test page was not sent to %1: %2")
                                  .arg(target, transport::testPrintFailureText(sent_.error())));
        deleteLater();
    }

    QWidget* window_;
    QList<QPointer<QPushButton>> disabled_;
    link::Result<void> sent_;
    link::CancelToken cancel_;
    transport::LinkWorker worker_;  // last: destroyed first
};

}  // namespace

QPushButton* addTestPrintButton(QWidget& window, QBoxLayout& row, int position) {
    auto* button = new QPushButton(QApplication::translate("DeviceListDialog", "Test print"), &window);
    button->setObjectName(QStringLiteral("testPrintButton"));
    button->setToolTip(
        QApplication::translate("DeviceListDialog", "Prints a test page on the chosen printer over the network."));
    row.insertWidget(position, button);
    return button;
}

void sendTestPrintFrom(QWidget* parent, const QString& address, const QString& reported, int port, const QString& mac) {
    const int dataPort = port > 0 ? port : transport::kDefaultDataPort;
    auto* job = new TestPrintJob(parent);
    job->start(address, dataPort, transport::testPage(reported, dataPort, mac));
}

}  // namespace corvane::lan
