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

QBoxLayout* addExportButtons(QWidget& window, QBoxLayout& layout, ListMode mode) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* exportButton = new QPushButton(QCoreApplication::translate("DeviceListExport", "Export..."), &window);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    auto* copyButton = new QPushButton(QCoreApplication::translate("DeviceListExport", "Copy"), &window);
    copyButton->setObjectName(QStringLiteral("copyButton"));
    row->addWidget(exportButton);
    row->addWidget(copyButton);
    layout.addLayout(row);

    QObject::connect(exportButton, &QPushButton::clicked, &window, [&window, mode] {
        const QString path = QFileDialog::getSaveFileName(
            &window, QCoreApplication::translate("DeviceListExport", "Export the list"), QStringLiteral("printers.csv"),
            QCoreApplication::translate("DeviceListExport", "CSV (*.csv);;JSON (*.json)"));
        if (path.isEmpty()) return;
        if (const QString problem = exportDevices(devicesFor(mode), path); !problem.isEmpty()) {
            widgets::showNote(&window,
                              QCoreApplication::translate("DeviceListExport", "The list could not be written to %1: %2")
                                  .arg(path, problem));
        }
    });
    QObject::connect(copyButton, &QPushButton::clicked, &window,
                     [mode] { QGuiApplication::clipboard()->setText(devicesTabSeparated(devicesFor(mode))); });
    return row;
}

}  // namespace corvane::lan
