// The state of the direct configuration window without its widgets: link
// choice and printer type, the enabling of the buttons and pages before and
// after a connection, spreading a printer's records over the pages, the
// checks that precede a save and the record a save writes.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "rules/config_tab_ctrl.h"
#include "rules/control_state.h"
#include "link/bytes.h"
#include "link/printer_config.h"
#include "rules/working_values.h"

namespace corvane::rules {

enum class WindowControl : int {
    PortList = 1005,
    TabControl = 1013,
    Save = 1014,
    Connect = 1016,
    Disconnect = 1017,
    SerialRadio = 1075,
    UsbRadio = 1076,
    PosRadio = 1080,
    OtherTypeRadio = 1081,
};

// One attached USB printer as the transport lists it.
struct UsbEntry {
    std::string displayName;
    std::string productId;  // four hexadecimal digits
};

class DirectConfigModel {
public:
    static constexpr int kSerialLink = 0, kUsbLink = 1;
    static constexpr int kPosPrinter = 0, kOtherPrinter = 1;
    // The one USB printer product the direct link supports.
    static constexpr std::string_view kUsbProductId = "006D";

    DirectConfigModel();
    DirectConfigModel(const DirectConfigModel&) = delete;
    DirectConfigModel& operator=(const DirectConfigModel&) = delete;

    // Window opening with the machine's serial ports.
    void openWindow(const std::vector<std::string>& comPorts);

    // Link and printer type radios. The caller lists the serial ports and USB
    // printers; the model decides what the port list offers.
    void onSerialChosen(const std::vector<std::string>& comPorts);
    MaybeNotice onUsbChosen(const std::vector<UsbEntry>& usbDevices, const std::vector<std::string>& comPorts);
    MaybeNotice onPosChosen(const std::vector<UsbEntry>& usbDevices, const std::vector<std::string>& comPorts);
    // The port list follows the type: the other type has no USB printer, so
    // a USB link falls back to the serial ports.
    void onOtherTypeChosen(const std::vector<std::string>& comPorts);
    void choosePort(int index);
    // The chosen port-list entry, if any (Connect does nothing without one).
    std::optional<std::string> selectedPort() const;
    const std::vector<std::string>& portEntries() const { return portEntries_; }

    // Connect: the records read from the printer are spread over the pages,
    // then the buttons and pages follow the connected state.
    void beginConnect() { context_.connected = false; }
    void applyRecord(const link::PrinterConfig& config, const link::PrinterSystemInfo& info, link::ConfigLayout layout);
    void finishConnect();
    void onConnected(const link::PrinterConfig& config, const link::PrinterSystemInfo& info,
                     link::ConfigLayout layout) {
        applyRecord(config, info, layout);
        finishConnect();
    }
    void Disconnect();

    // Shows `config` on the pages as a Connect would, while the records read
    // from the printer stay what they were: the pages then hold edits that
    // are not saved (an imported profile).
    void showRecord(const link::PrinterConfig& config);
    // A successful Save: the printer now holds `written`, and the pages show it.
    void recordSaved(const link::PrinterConfig& written);
    // Some page value differs from what the pages showed right after Connect
    // or the last Save. Values, not keystrokes: an edit taken back is none.
    // The pages, not the printer's record, are the reference: they may show
    // a record a little differently (an ad hoc printer's DHCP as manual
    // addressing), which is no edit of the user's.
    bool hasUnsavedEdits() const;

    // Save, before anything is sent: the shown page's checks, the WEP key
    // length, the PIN (newer layout), then the credentials are taken from the
    // Security page. A notice means nothing may be sent.
    MaybeNotice prepareSave();
    MaybeNotice checkWepKeyForSave();
    MaybeNotice checkPinForSave() const;

    // The record of the working values and pages, in the connected layout.
    link::PrinterConfig buildConfig() const;
    Bytes buildRecordBytes() const;

    const ControlStates<WindowControl>& controls() const { return controls_; }
    std::optional<WindowControl> takeFocusRequest();

    // The shared working values and connection facts; the pages change them.
    const WindowContext& context() const { return context_; }
    int linkChoice() const { return linkChoice_; }
    // The records last read from the printer (or written to it by a Save).
    const link::PrinterConfig& lastConfig() const { return lastConfig_; }
    const link::PrinterSystemInfo& lastSystemInfo() const { return lastSystemInfo_; }

private:
    WindowContext context_;
    int linkChoice_ = kSerialLink;

public:
    ConfigTabCtrl tabs{context_};
    int printerType = kOtherPrinter;

private:
    void fillComPorts(const std::vector<std::string>& comPorts);
    void selectFirstPort();
    void syncRadios();
    void setConnectedButtons(bool connected);
    void enablePages(bool on);

    ControlStates<WindowControl> controls_;
    // While connected the printer type, link and port cannot change (Save
    // goes to the printer that was connected); their enabling before the
    // connection is kept here and comes back on Disconnect.
    std::optional<std::map<WindowControl, bool>> linkChoiceBeforeConnect_;
    std::vector<std::string> portEntries_;
    std::optional<WindowControl> focusRequest_;
    link::PrinterConfig lastConfig_;
    link::PrinterSystemInfo lastSystemInfo_;
    // The record the pages built when they last matched the printer.
    Bytes shownAtConnect_;
};

}  // namespace corvane::rules
