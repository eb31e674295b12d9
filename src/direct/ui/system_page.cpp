#include "direct/ui/system_page.h"

#include <QRegularExpressionValidator>

#include "ui_system_page.h"
#include "widgets/secret_toggle.h"

namespace corvane::direct {

using rules::SystemControl;

SystemPage::SystemPage(rules::SystemPage& model, NoticeSink notices, QWidget* parent)
    : ConfigPage(parent), model_(model), notices_(std::move(notices)), ui_(std::make_unique<Ui::SystemPage>()) {
    ui_->setupUi(this);
    held_ = new EditNotices(notices_, this);
    ui_->printerPort->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), ui_->printerPort));
    const std::pair<QLineEdit*, SystemControl> edits[] = {
        {ui_->printerName, SystemControl::PrinterName},
        {ui_->printerPort, SystemControl::PrinterPort},
        {ui_->userId, SystemControl::UserId},
        {ui_->userPassword, SystemControl::UserPassword},
        {ui_->confirmPassword, SystemControl::ConfirmPassword},
    };
    for (auto* secret : {ui_->userPassword, ui_->confirmPassword}) widgets::SecretToggle::attach(secret);
    for (const auto& [edit, control] : edits)
        connect(edit, &QLineEdit::textEdited, this, [this, c = control](const QString& text) { edited(c, text); });
    // The printer's own texts are never read as markup.
    for (auto* label : {ui_->firmwareVersion, ui_->updateDate, ui_->macAddress}) label->setTextFormat(Qt::PlainText);
    render();
}

SystemPage::~SystemPage() = default;

void SystemPage::edited(SystemControl control, const QString& text) {
    const auto notice = model_.editText(control, toStdString(text));
    render();
    if (control == SystemControl::PrinterPort) held_->hold(ui_->printerPort, notice);
    else if (notice) notices_(*notice);
}

void SystemPage::render() {
    const auto& c = model_.controls();
    for (auto [edit, control] :
         {std::pair{ui_->printerName, SystemControl::PrinterName},
          std::pair{ui_->printerPort, SystemControl::PrinterPort}, std::pair{ui_->userId, SystemControl::UserId},
          std::pair{ui_->userPassword, SystemControl::UserPassword},
          std::pair{ui_->confirmPassword, SystemControl::ConfirmPassword}})
        applyEdit(edit, c[control], model_.text(control));
    for (auto [label, control] : {std::pair{ui_->firmwareVersion, SystemControl::FirmwareVersion},
                                  std::pair{ui_->updateDate, SystemControl::UpdateDate},
                                  std::pair{ui_->macAddress, SystemControl::MacAddress}}) {
        applyState(label, c[control]);
        label->setText(toQString(model_.text(control)));
    }
}

QWidget* SystemPage::controlWidget(int id) const {
    switch (static_cast<SystemControl>(id)) {
    case SystemControl::PrinterName: return ui_->printerName;
    case SystemControl::PrinterPort: return ui_->printerPort;
    case SystemControl::UserId: return ui_->userId;
    case SystemControl::UserPassword: return ui_->userPassword;
    case SystemControl::ConfirmPassword: return ui_->confirmPassword;
    default: return nullptr;
    }
}

}  // namespace corvane::direct
