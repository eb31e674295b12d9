#include "app/about_box.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMessageBox>

#include "corvane_version.h"

namespace corvane::app {

namespace {}  // namespace

QString aboutText() {
    return QStringLiteral("<h3>%1 %2</h3><p>%3</p><p>%4</p>")
        .arg(QCoreApplication::translate("AboutBox", "Corvane Tool"), QString::fromLatin1(kVersion),
             QCoreApplication::translate(
                 "AboutBox",
                 "Sets up the network interface of Zephran POS receipt printers: Ethernet and wireless "
                 "printers on the local network, and printers attached by a serial port or a USB cable."),
             QCoreApplication::translate(
                 "AboutBox", "Copyright \u00a9 Corvane Tool developers. Free software under the MIT licence."));
}

void showAbout(QWidget* parent) {
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("aboutBox"));
    box.setWindowTitle(QCoreApplication::translate("AboutBox", "About Corvane Tool"));
    box.setTextFormat(Qt::RichText);
    box.setText(aboutText());
    box.setIconPixmap(QIcon(QStringLiteral(":/corvane/corvane_tool.png")).pixmap(64, 64));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

}  // namespace corvane::app
