#include "lan/ui/test_print_button.h"

#include <QApplication>
#include <QBoxLayout>
#include <QPushButton>

#include "transport/test_print.h"
#include "widgets/messages.h"

namespace corvane::lan {

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
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto sent = transport::sendTestPrint(
        address, dataPort, transport::testPage(reported, dataPort, mac), {},
        {[] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }, nullptr});
    QApplication::restoreOverrideCursor();
    const QString target = transport::printTarget(address, dataPort);
    if (sent)
        widgets::showNote(parent, QApplication::translate("DeviceListDialog", "Test page sent to %1.").arg(target));
    else
        widgets::showNote(parent, QApplication::translate("DeviceListDialog", "The test page was not sent to %1: %2")
                                      .arg(target, transport::testPrintFailureText(sent.error())));
}

}  // namespace corvane::lan
