#include "lan/ui/device_list_export.h"

#include <QBoxLayout>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPushButton>

#include "lan/device_export.h"
#include "lan/device_lists.h"
#include "widgets/messages.h"

namespace corvane::lan {

QBoxLayout* addExportButtons(QWidget& window, QBoxLayout& layout, link::ListMode mode,
                             std::function<std::vector<int>()> shown) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* exportButton = new QPushButton(QCoreApplication::translate("DeviceListExport", "Export..."), &window);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    auto* copyButton = new QPushButton(QCoreApplication::translate("DeviceListExport", "Copy"), &window);
    copyButton->setObjectName(QStringLiteral("copyButton"));
    const QString which = QCoreApplication::translate(
        "DeviceListExport", "The printers in the list's order, or only the chosen ones when several are chosen.");
    exportButton->setToolTip(which);
    copyButton->setToolTip(which);
    row->addWidget(exportButton);
    row->addWidget(copyButton);
    layout.addLayout(row);

    QObject::connect(exportButton, &QPushButton::clicked, &window, [&window, mode, shown] {
        const QString path = QFileDialog::getSaveFileName(
            &window, QCoreApplication::translate("DeviceListExport", "Export the list"), QStringLiteral("printers.csv"),
            QCoreApplication::translate("DeviceListExport", "CSV (*.csv);;JSON (*.json)"));
        if (path.isEmpty()) return;
        if (const QString problem = exportDevices(devicesFor(mode), shown(), path); !problem.isEmpty()) {
            widgets::showNote(&window,
                              QCoreApplication::translate("DeviceListExport", "The list could not be written to %1: %2")
                                  .arg(path, problem));
        }
    });
    QObject::connect(copyButton, &QPushButton::clicked, &window, [mode, shown] {
        QGuiApplication::clipboard()->setText(devicesTabSeparated(devicesFor(mode), shown()));
    });
    return row;
}

}  // namespace corvane::lan
