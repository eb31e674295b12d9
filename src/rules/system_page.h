// Tab 0, "System & Information": printer name, port, user ID and password,
// and the firmware facts the printer reported.
#pragma once

#include <string>
#include <string_view>

#include "rules/control_state.h"
#include "link/config_fields.h"
#include "link/printer_config.h"
#include "rules/numeric_text.h"
#include "rules/working_values.h"

namespace corvane::rules {

enum class SystemControl : int {
    PrinterName = 1018,
    PrinterPort = 1019,
    UserId = 1020,
    UserPassword = 1021,
    ConfirmPassword = 1022,
    FirmwareVersion = 1023,
    UpdateDate = 1024,
    MacAddress = 1025,
};

class SystemPage {
public:
    static constexpr std::uint32_t kMaxPort = link::ConfigFieldNamed("printerPort").maximum;
    static constexpr std::uint32_t kReplacementPort = 9100;

    explicit SystemPage(WindowContext& context);

    void enableControls(bool on);

    // The user changed the text of an edit. Other controls are ignored.
    MaybeNotice editText(SystemControl control, std::string_view text);

    // The checks run when the page is left and before a save while it is shown.
    MaybeNotice checkValues() const;

    // Spreading records over the page and collecting them back.
    void loadRecord(const link::PrinterConfig& config);
    void showSystemInfo(const link::PrinterSystemInfo& info);
    void writeRecord(link::PrinterConfig& config) const;

    std::string text(SystemControl control) const;
    const ControlStates<SystemControl>& controls() const { return controls_; }

    // The printer name lives with the working values; the rest only here.
    const std::string& printerName() const { return context_.working.printerName; }
    const std::string& userId() const { return userId_; }
    const std::string& userPassword() const { return userPassword_; }
    const std::string& confirmPassword() const { return confirmPassword_; }
    const NumericText& printerPort() const { return printerPort_; }
    const std::string& firmwareVersion() const { return firmwareVersion_; }
    const std::string& updateDate() const { return updateDate_; }
    const std::string& macAddress() const { return macAddress_; }

private:
    std::string userId_;
    std::string userPassword_;
    std::string confirmPassword_;
    NumericText printerPort_{0};
    std::string firmwareVersion_;
    std::string updateDate_;
    std::string macAddress_;
    WindowContext& context_;
    ControlStates<SystemControl> controls_;
};

}  // namespace corvane::rules
