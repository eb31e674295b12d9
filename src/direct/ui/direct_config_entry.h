// Opening the direct configuration window, as the launcher does.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QString>

#include "link/exchange/exchange_limits.h"
#include "transport/direct_link.h"
#include "direct/ui/certificate_page.h"

class QWidget;

namespace corvane::direct {

// What the window talks through and how patiently; the defaults are the
// program's own. Tests and technicians use them to reach a printer
// simulator.
struct DirectConfigOptions {
    // The link object; the program-wide one when null.
    transport::DirectLink* port = nullptr;
    // Read and write waits; the port's own when empty.
    std::optional<transport::LinkTimeouts> timeouts;
    // When a read ends; empty: CORVANE_LINK_READ, else link/read in the
    // settings file (~/.config/corvane/corvane-tool.conf), else when the
    // reply is complete.
    std::optional<transport::LinkReadRule> readRule;
    link::ExchangeLimits limits;
    // A device node the link opens as it stands (the USB way), offered as one
    // more USB printer named by its path. Empty: the environment variable
    // CORVANE_LINK_DEVICE, if set, names it.
    QString linkDevice;
    // The certificate file chooser; the file-open dialog when empty.
    FileChooser chooseCertificateFiles;
    // The profile file to export to (`exporting`) or import from; empty:
    // cancelled. The file dialogs when empty.
    std::function<QString(QWidget* parent, bool exporting)> chooseProfileFile;
    // The serial ports offered; the machine's when empty.
    std::function<std::vector<transport::SerialPortEntry>()> serialPorts;
};

// The environment variable that names an extra link device.
inline constexpr const char* kLinkDeviceVariable = "CORVANE_LINK_DEVICE";

void runDirectConfigDialog(QWidget* parent);
void runDirectConfigDialog(QWidget* parent, const DirectConfigOptions& options);

}  // namespace corvane::direct
