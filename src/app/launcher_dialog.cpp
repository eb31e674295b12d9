#include "app/launcher_dialog.h"

#include <QIcon>

#include "app/about_box.h"
#include "app/direct_config_launch.h"
#include "app/history_dialog.h"
#include "lan/ui/device_list_dialog.h"
#include "provision/ui/provision_dialog.h"
#include "ui_launcher_dialog.h"
#include "widgets/window_placement.h"

namespace corvane::app {

namespace {

void openDeviceList(QWidget* parent, link::ListMode mode) {
    lan::DeviceListDialog window(mode, parent);
    widgets::coverParentWindow(window);
    window.exec();
}

}  // namespace

LauncherDialog::LauncherDialog(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::LauncherDialog>()) {
    ui_->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/corvane/corvane_tool.png")));
    connect(ui_->ethernetButton, &QPushButton::clicked, this,
            [this] { openDeviceList(this, link::ListMode::Ethernet); });
    connect(ui_->wlanButton, &QPushButton::clicked, this, [this] { openDeviceList(this, link::ListMode::Wlan); });
    connect(ui_->usbButton, &QPushButton::clicked, this, [this] { openDirectConfig(this); });
    connect(ui_->exitButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->historyButton, &QPushButton::clicked, this, [this] { showHistory(this); });
    connect(ui_->aboutButton, &QPushButton::clicked, this, [this] { showAbout(this); });
    auto* provisionButton = new QPushButton(tr("Provision printers..."), this);
    provisionButton->setObjectName(QStringLiteral("provisionButton"));
    provisionButton->setFlat(true);
    provisionButton->setAutoDefault(false);
    ui_->aboutLayout->insertWidget(1, provisionButton);
    connect(provisionButton, &QPushButton::clicked, this, [this] {
        provision::ProvisionDialog window(this);
        widgets::coverParentWindow(window);
        window.exec();
    });
}

LauncherDialog::~LauncherDialog() = default;

}  // namespace corvane::app
