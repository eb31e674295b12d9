#include "system_page.h"

#include <array>

#include "link/visible_text.h"
#include "text_entry.h"

namespace corvane::rules {

namespace {
constexpr std::array kAllControls = {
    SystemControl::PrinterName, SystemControl::PrinterPort,     SystemControl::UserId,
    SystemControl::UserPassword, SystemControl::ConfirmPassword, SystemControl::FirmwareVersion,
    SystemControl::UpdateDate,  SystemControl::MacAddress,
};
// Ports the printer keeps for its own services.
constexpr std::array<std::uint32_t, 6> kReservedPorts = {80, 443, 23, 21, 25, 3318};

Notice SystemNotice(StringId message, SystemControl focus) {
    return PageNotice(Tab::System, message, static_cast<int>(focus));
}
}  // namespace

SystemPage::SystemPage(WindowContext& context) : context_(context) {
    controls_[SystemControl::PrinterName].field = "printerName";
    controls_[SystemControl::UserId].field = "userId";
    // The confirmation is compared with the password, so it takes the same.
    controls_[SystemControl::UserPassword].field = "userPassword";
    controls_[SystemControl::ConfirmPassword].field = "userPassword";
}

void SystemPage::enableControls(bool on) {
    for (auto c : kAllControls)
        controls_.enable(c, on);
}

MaybeNotice SystemPage::editText(SystemControl control, std::string_view text) {
    switch (control) {
    case SystemControl::PrinterName:
        printerName = text;
        context_.working.printerName = printerName;
        break;
    case SystemControl::UserId:
        userId = text;
        break;
    case SystemControl::UserPassword:
        userPassword = text;
        break;
    case SystemControl::ConfirmPassword:
        confirmPassword = text;
        break;
    case SystemControl::PrinterPort:
        if (printerPort.setText(text) && printerPort.value() > kMaxPort) {
            printerPort.setValue(kReplacementPort);
            return SystemNotice(kPortOutOfRange, SystemControl::PrinterPort);
        }
        break;
    default:
        break;
    }
    return std::nullopt;
}

MaybeNotice SystemPage::checkValues() const {
    if (printerName.empty())
        return SystemNotice(kSystemNameIncorrect, SystemControl::PrinterName);
    if (!FitsField("printerName", printerName))
        return SystemNotice(kTextTooLong, SystemControl::PrinterName);
    // An emptied port has no number to send (the one it last read as is not
    // on screen).
    if (printerPort.empty())
        return SystemNotice(kPortOutOfRange, SystemControl::PrinterPort);
    for (auto port : kReservedPorts)
        if (printerPort.value() == port)
            return SystemNotice(kPortNumberIncorrect, SystemControl::PrinterPort);
    if (userId.empty())
        return SystemNotice(kUserIdIncorrect, SystemControl::UserId);
    if (!FitsField("userId", userId))
        return SystemNotice(kTextTooLong, SystemControl::UserId);
    if (userPassword.empty() || userPassword != confirmPassword)
        return SystemNotice(kPasswordIncorrect, SystemControl::UserPassword);
    if (!FitsField("userPassword", userPassword))
        return SystemNotice(kTextTooLong, SystemControl::UserPassword);
    return std::nullopt;
}

void SystemPage::loadRecord(const link::PrinterConfig& config) {
    printerName = config.printerName;
    context_.working.printerName = printerName;
    userId = config.userId;
    userPassword = config.userPassword;
    confirmPassword = config.userPassword;
    printerPort.setValue(config.printerPort);
}

void SystemPage::showSystemInfo(const link::PrinterSystemInfo& info) {
    // Shown only, never written back: the printer's bytes made visible.
    firmwareVersion = link::VisibleText(info.firmwareVersion);
    updateDate = link::VisibleText(info.updateDate);
    macAddress = link::FormatMacUpper(info.macAddress);
}

void SystemPage::writeRecord(link::PrinterConfig& config) const {
    config.userId = userId;
    config.userPassword = userPassword;
    config.printerPort = static_cast<std::uint16_t>(printerPort.shownValue() & 0xFFFFu);
}

std::string SystemPage::text(SystemControl control) const {
    switch (control) {
    case SystemControl::PrinterName: return printerName;
    case SystemControl::PrinterPort: return printerPort.text();
    case SystemControl::UserId: return userId;
    case SystemControl::UserPassword: return userPassword;
    case SystemControl::ConfirmPassword: return confirmPassword;
    case SystemControl::FirmwareVersion: return firmwareVersion;
    case SystemControl::UpdateDate: return updateDate;
    case SystemControl::MacAddress: return macAddress;
    }
    return {};
}

}  // namespace corvane::rules
