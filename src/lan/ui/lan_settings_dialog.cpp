#include "lan/ui/lan_settings_dialog.h"

#include <algorithm>

#include <QCoreApplication>
#include <QRegularExpressionValidator>

#include "history/change_entries.h"
#include "lan/device_lists.h"
#include "lan/request_failure.h"
#include "lan/send_checks.h"
#include "link/string_table.h"
#include "ui_lan_settings_dialog.h"
#include "widgets/messages.h"

namespace corvane::lan {

LanSettingsDialog::LanSettingsDialog(link::ListMode listMode, int selectedNumber, const QString& localAddress,
                                     const QString& broadcastAddress, QWidget* parent,
                                     const transport::LanEndpoints& endpoints)
    : QDialog(parent),
      ui_(std::make_unique<Ui::LanSettingsDialog>()),
      listMode_(listMode),
      selectedNumber_(selectedNumber),
      localAddress_(localAddress),
      exchange_(listMode, localAddress, broadcastAddress, endpoints) {
    ui_->setupUi(this);
    const QRegularExpression digits(QStringLiteral("[0-9]*"));
    ui_->portEdit->setValidator(new QRegularExpressionValidator(digits, ui_->portEdit));
    ui_->inactivityEdit->setValidator(new QRegularExpressionValidator(digits, ui_->inactivityEdit));
    // Addresses that cannot serve are marked while typing, before Save.
    ui_->subnetMaskEdit->setRole(link::AddressRole::Mask);
    ui_->ipAddressEdit->setRole(link::AddressRole::Host, ui_->subnetMaskEdit);
    ui_->gatewayEdit->setRole(link::AddressRole::Gateway, ui_->subnetMaskEdit);

    connect(ui_->saveButton, &QPushButton::clicked, this, &LanSettingsDialog::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->dhcpCheck, &QCheckBox::toggled, this, &LanSettingsDialog::applyDhcpState);
    connect(ui_->portEdit, &QLineEdit::textEdited, this, &LanSettingsDialog::onPortEdited);
    connect(ui_->inactivityEdit, &QLineEdit::textEdited, this, &LanSettingsDialog::onInactivityEdited);
    for (QLineEdit* number : {ui_->portEdit, ui_->inactivityEdit})
        connect(number, &QLineEdit::editingFinished, this, [this, number] { releaseMessages(number); });
    connect(&exchange_, &LanSettingsExchange::done, this, &LanSettingsDialog::onExchangeDone);
    connect(&exchange_, &LanSettingsExchange::waitingChanged, this, [this](bool waiting) {
        if (waiting) {
            setCursor(Qt::WaitCursor);
        } else {
            unsetCursor();
        }
    });
}

LanSettingsDialog::~LanSettingsDialog() = default;

bool LanSettingsDialog::initialise() {
    for (const auto entry : link::kBaudEntries) {
        ui_->baudCombo->addItem(QString::fromLatin1(entry.data(), static_cast<qsizetype>(entry.size())));
    }
    record_ = devicesFor(listMode_).deviceAt(selectedNumber_);
    if (!record_) {
        widgets::showMessage(parentWidget(), kListReadFailed);
        return false;
    }
    // Same context as the window's form, so one catalog section holds all its texts.
    // The MAC says which printer of a pile this window changes.
    const QString title = listMode_ == link::ListMode::Wlan
                              ? QCoreApplication::translate("LanSettingsDialog", "WLAN Configuration")
                              : QCoreApplication::translate("LanSettingsDialog", "Ethernet Configuration");
    setWindowTitle(
        QStringLiteral("%1 — %2").arg(title, QString::fromStdString(link::FormatMacLower(record_->macAddress()))));

    shown_ = *record_;
    const LanSettingsEdits edits = rules::LanEditsFor(*record_);
    ui_->ipAddressEdit->setAddress(edits.ipAddress);
    ui_->subnetMaskEdit->setAddress(edits.subnetMask);
    ui_->gatewayEdit->setAddress(edits.gateway);
    ui_->portEdit->setText(QString::fromStdString(edits.portText));
    ui_->inactivityEdit->setText(QString::fromStdString(edits.inactivityText));
    ui_->versionLabel->setText(LanSettingsForm::versionText(*record_));
    {
        const QSignalBlocker block(ui_->dhcpCheck);
        ui_->dhcpCheck->setChecked(edits.dhcp);
    }
    ui_->baudCombo->setCurrentIndex(edits.baudIndex);
    // A speed the list does not offer cannot be chosen again: the list stays
    // empty and disabled, and Save sends code 0x00.
    ui_->baudCombo->setEnabled(edits.baudIndex >= 0);
    applyDhcpState();

    if (rules::NeedsAddressWarning(ui_->ipAddressEdit->filledFieldCount(), record_->port())) {
        widgets::showMessage(parentWidget(), kCheckIpOrPort);
    }
    return true;
}

int LanSettingsDialog::exec() {
    if (!initialise()) {
        setResult(QDialog::Rejected);
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

LanSettingsEdits LanSettingsDialog::readEdits() const {
    LanSettingsEdits edits;
    edits.ipAddress = ui_->ipAddressEdit->address();
    edits.subnetMask = ui_->subnetMaskEdit->address();
    edits.gateway = ui_->gatewayEdit->address();
    edits.portText = ui_->portEdit->text().toStdString();
    edits.inactivityText = ui_->inactivityEdit->text().toStdString();
    edits.baudIndex = ui_->baudCombo->currentIndex();
    edits.dhcp = ui_->dhcpCheck->isChecked();
    return edits;
}

void LanSettingsDialog::applyDhcpState() {
    // The addresses of a DHCP printer are not the user's to set, but they are
    // still read and sent as shown.
    const bool manual = !ui_->dhcpCheck->isChecked();
    ui_->ipAddressEdit->setEnabled(manual);
    ui_->subnetMaskEdit->setEnabled(manual);
    ui_->gatewayEdit->setEnabled(manual);
}

// A number past its limit is replaced at once; its message waits until the
// edit ends (Enter, another field, Save), so it comes once per edit rather
// than at every digit typed on.
void LanSettingsDialog::onPortEdited() {
    if (const auto fix = LanSettingsForm::checkPortEdit(ui_->portEdit->text())) {
        ui_->portEdit->setText(QString::number(fix->replacement));
        holdMessage(ui_->portEdit, fix->messageId);
    }
}

void LanSettingsDialog::onInactivityEdited() {
    if (const auto fix = LanSettingsForm::checkInactivityEdit(ui_->inactivityEdit->text())) {
        ui_->inactivityEdit->setText(QString::number(fix->replacement));
        holdMessage(ui_->inactivityEdit, fix->messageId);
    }
}

void LanSettingsDialog::holdMessage(QLineEdit* edit, StringId messageId) {
    for (auto& held : heldMessages_) {
        if (held.first == edit) {
            held.second = messageId;
            return;
        }
    }
    heldMessages_.emplace_back(edit, messageId);
}

void LanSettingsDialog::releaseMessages(QLineEdit* only) {
    auto held = std::move(heldMessages_);
    heldMessages_.clear();
    for (const auto& [edit, messageId] : held) {
        if (only && edit != only) {
            heldMessages_.emplace_back(edit, messageId);
            continue;
        }
        widgets::showMessage(this, messageId);
        if (only) edit->setFocus();
    }
}

bool LanSettingsDialog::confirmWarnings(const link::DiscoveredDevice& toSend) {
    const auto warnings = checkBeforeSending(toSend, devicesFor(listMode_), shown_, localAddress_);
    if (warnings.empty()) return true;
    // A conflict (a clash with another printer, an address or mask no
    // printer can use) is named as one, with its own answer, so it is not
    // waved through as a mere warning.
    const bool conflict = std::any_of(warnings.begin(), warnings.end(),
                                      [](const rules::SendWarning& w) { return rules::IsConflict(w.check); });
    QString text =
        (conflict ? QCoreApplication::translate("LanSettingsDialog",
                                                "The settings to be sent conflict with the network or another printer:")
                  : QCoreApplication::translate("LanSettingsDialog", "The settings to be sent give these warnings:")) +
        QLatin1Char('\n');
    for (const QString& sentence : translatedWarningSentences(warnings)) text += QStringLiteral("\n- ") + sentence;
    const QString proceed = conflict ? QCoreApplication::translate("LanSettingsDialog", "Save despite the conflicts")
                                     : QCoreApplication::translate("LanSettingsDialog", "Save anyway");
    if (widgets::askToProceed(this, text, proceed, QCoreApplication::translate("LanSettingsDialog", "Back")))
        return true;
    // Back to the edit, at the first value a warning is about.
    switch (rules::FieldOf(warnings.front().check)) {
    case rules::CheckedField::IpAddress: ui_->ipAddressEdit->setFocus(); break;
    case rules::CheckedField::SubnetMask: ui_->subnetMaskEdit->setFocus(); break;
    case rules::CheckedField::Gateway: ui_->gatewayEdit->setFocus(); break;
    }
    return false;
}

void LanSettingsDialog::accept() {
    if (!record_ || exchange_.settingsDone()) return;
    releaseMessages();
    // The checks look at the record as it would be sent; Back leaves the
    // stored record as it was.
    const LanSettingsEdits edits = readEdits();
    link::DiscoveredDevice toSend = *record_;
    if (rules::SaveLanEdits(edits, toSend).action == SaveDecision::Action::Send && !confirmWarnings(toSend)) return;
    const SaveDecision decision = rules::SaveLanEdits(edits, *record_);
    switch (decision.action) {
    case SaveDecision::Action::Nothing: return;
    case SaveDecision::Action::Refused:
        widgets::showMessage(this, decision.messageId);
        if (decision.portReplacement) ui_->portEdit->setText(QString::number(*decision.portReplacement));
        if (decision.inactivityReplacement) {
            ui_->inactivityEdit->setText(QString::number(*decision.inactivityReplacement));
        }
        switch (decision.focus) {
        case FormField::Port: ui_->portEdit->setFocus(); break;
        case FormField::Inactivity: ui_->inactivityEdit->setFocus(); break;
        case FormField::IpAddress: ui_->ipAddressEdit->setFocus(); break;
        case FormField::None: break;
        }
        return;
    case SaveDecision::Action::Send:
        // Pressing Save again while waiting sends again and restarts the wait.
        // A request that cannot leave is said at once: no answer can come.
        if (!exchange_.send(shown_, *record_)) {
            widgets::showMessageWith(this, kSettingsNotSent, channelFailureText(exchange_.failure()));
        }
        return;
    }
}

void LanSettingsDialog::onExchangeDone(StringId messageId) {
    confirmed_ = messageId != kSaveFailed;
    sent_ = *record_;
    widgets::showMessage(this, messageId);
    if (const QString problem = history::recordLanSettings(history::kWindow, listMode_, localAddress_, shown_, *record_,
                                                           messageId, messageId != kSaveFailed);
        !problem.isEmpty())
        widgets::showNote(this, history::notRecordedText(problem));
    QDialog::accept();
}

}  // namespace corvane::lan
