#include "rules/system_page.h"

#include <array>

#include "link/visible_text.h"
#include "rules/lan_settings_rules.h"
#include "rules/text_entry.h"

namespace corvane::rules {

namespace {
constexpr std::array kAllControls = {
    SystemControl::PrinterName,  SystemControl::PrinterPort,     SystemControl::UserId,
    SystemControl::UserPassword, SystemControl::ConfirmPassword, SystemControl::FirmwareVersion,
    SystemControl::UpdateDate,   SystemControl::MacAddress,
};

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
    for (auto c : kAllControls) controls_.enable(c, on);
}

MaybeNotice SystemPage::editText(SystemControl control, std::string_view text) {
    switch (control) {
    case SystemControl::PrinterName: context_.working.printerName = text; break;
    case SystemControl::UserId: userId_ = text; break;
    case SystemControl::UserPassword: userPassword_ = text; break;
    case SystemControl::ConfirmPassword: confirmPassword_ = text; break;
    case SystemControl::PrinterPort:
        if (printerPort_.setText(text) && printerPort_.value() > kMaxPort) {
            printerPort_.setValue(kReplacementPort);
            return SystemNotice(kPortOutOfRange, SystemControl::PrinterPort);
        }
        break;
    default: break;
    }
    return std::nullopt;
}

MaybeNotice SystemPage::checkValues() const {
    if (context_.working.printerName.empty()) return SystemNotice(kSystemNameIncorrect, SystemControl::PrinterName);
    if (!FitsField("printerName", context_.working.printerName))
        return SystemNotice(kTextTooLong, SystemControl::PrinterName);
    // An emptied port has no number to send (the one it last read as is not
    // on screen).
    if (printerPort_.empty()) return SystemNotice(kPortOutOfRange, SystemControl::PrinterPort);
    if (IsReservedPort(printerPort_.value())) return SystemNotice(kPortNumberIncorrect, SystemControl::PrinterPort);
    if (userId_.empty()) return SystemNotice(kUserIdIncorrect, SystemControl::UserId);
    if (!FitsField("userId", userId_)) return SystemNotice(kTextTooLong, SystemControl::UserId);
    if (userPassword_.empty() || userPassword_ != confirmPassword_)
        return SystemNotice(kPasswordIncorrect, SystemControl::UserPassword);
    if (!FitsField("userPassword", userPassword_)) return SystemNotice(kTextTooLong, SystemControl::UserPassword);
    return std::nullopt;
}

void SystemPage::loadRecord(const link::PrinterConfig& config) {
    context_.working.printerName = config.printerName;
    userId_ = config.userId;
    userPassword_ = config.userPassword;
    confirmPassword_ = config.userPassword;
    printerPort_.setValue(config.printerPort);
}

void SystemPage::showSystemInfo(const link::PrinterSystemInfo& info) {
    // Shown only, never written back: the printer's bytes made visible.
    firmwareVersion_ = link::VisibleText(info.firmwareVersion);
    updateDate_ = link::VisibleText(info.updateDate);
    macAddress_ = link::FormatMacUpper(info.macAddress);
}

void SystemPage::writeRecord(link::PrinterConfig& config) const {
    config.printerName = context_.working.printerName;
    config.userId = userId_;
    config.userPassword = userPassword_;
    config.printerPort = static_cast<std::uint16_t>(printerPort_.shownValue() & 0xFFFFu);
}

std::string SystemPage::text(SystemControl control) const {
    switch (control) {
    case SystemControl::PrinterName: return context_.working.printerName;
    case SystemControl::PrinterPort: return printerPort_.text();
    case SystemControl::UserId: return userId_;
    case SystemControl::UserPassword: return userPassword_;
    case SystemControl::ConfirmPassword: return confirmPassword_;
    case SystemControl::FirmwareVersion: return firmwareVersion_;
    case SystemControl::UpdateDate: return updateDate_;
    case SystemControl::MacAddress: return macAddress_;
    }
    return {};
}

}  // namespace corvane::rules
