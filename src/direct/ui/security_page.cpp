#include "direct/ui/security_page.h"

#include "ui_security_page.h"
#include "widgets/secret_toggle.h"
#include "widgets/translation.h"

namespace corvane::direct {

using rules::SecurityControl;

SecurityPage::SecurityPage(rules::SecurityPage& model, NoticeSink notices, QWidget* parent)
    : ConfigPage(parent), model_(model), notices_(std::move(notices)), ui_(std::make_unique<Ui::SecurityPage>()) {
    ui_->setupUi(this);
    radios_ = {
        {ui_->openSystem, SecurityControl::OpenSystem},
        {ui_->sharedKey, SecurityControl::SharedKey},
        {ui_->wpaPsk, SecurityControl::WpaPsk},
        {ui_->wpa2Psk, SecurityControl::Wpa2Psk},
        {ui_->wpa, SecurityControl::Wpa},
        {ui_->wpa2, SecurityControl::Wpa2},
        {ui_->cipherNone, SecurityControl::CipherNone},
        {ui_->cipherWep, SecurityControl::CipherWep},
        {ui_->cipherTkip, SecurityControl::CipherTkip},
        {ui_->cipherAes, SecurityControl::CipherAes},
        {ui_->cipherAesTkip, SecurityControl::CipherAesTkip},
        {ui_->eapPeap, SecurityControl::EapPeap},
        {ui_->eapTtls, SecurityControl::EapTtls},
        {ui_->eapTls, SecurityControl::EapTls},
        {ui_->eapLeap, SecurityControl::EapLeap},
        {ui_->eapFast, SecurityControl::EapFast},
    };
    // Each cipher and EAP radio stands alone and the model checks and
    // unchecks them all; Qt's grouping would fight it.
    for (const auto& [radio, control] : radios_) {
        radio->setAutoExclusive(false);
        connect(radio, &QAbstractButton::clicked, this, [this, c = control] {
            model_.click(c);
            render();
        });
    }
    const std::pair<QLineEdit*, SecurityControl> edits[] = {{ui_->wepKey, SecurityControl::WepKey},
                                                            {ui_->pskKey, SecurityControl::PskKey},
                                                            {ui_->authId, SecurityControl::AuthId},
                                                            {ui_->authPassword, SecurityControl::AuthPassword}};
    for (auto* secret : {ui_->wepKey, ui_->pskKey, ui_->authPassword}) widgets::SecretToggle::attach(secret);
    for (const auto& [edit, control] : edits)
        connect(edit, &QLineEdit::textEdited, this, [this, c = control](const QString& text) {
            const auto notice = model_.editText(c, toStdString(text));
            render();
            if (notice) notices_(*notice);
        });
    render();
}

SecurityPage::~SecurityPage() = default;

void SecurityPage::render() {
    const auto& c = model_.controls();
    for (const auto& [radio, control] : radios_) applyButton(radio, c[control]);
    for (auto [edit, control] :
         {std::pair{ui_->wepKey, SecurityControl::WepKey}, std::pair{ui_->pskKey, SecurityControl::PskKey},
          std::pair{ui_->authId, SecurityControl::AuthId}, std::pair{ui_->authPassword, SecurityControl::AuthPassword}})
        applyEdit(edit, c[control], model_.text(control));
    for (auto [label, control] : {std::pair{ui_->wepKeyLabel, SecurityControl::WepKeyLabel},
                                  std::pair{ui_->pskKeyLabel, SecurityControl::PskKeyLabel},
                                  std::pair{ui_->authIdLabel, SecurityControl::AuthIdLabel},
                                  std::pair{ui_->authPasswordLabel, SecurityControl::AuthPasswordLabel}}) {
        applyState(label, c[control]);
        if (c[control].labelId != 0) label->setText(widgets::stringText(c[control].labelId));
    }
    applyState(ui_->eapGroup, c[SecurityControl::EapGroup]);
    if (auto focus = model_.takeFocusRequest())
        if (auto* widget = controlWidget(static_cast<int>(*focus))) widget->setFocus(Qt::OtherFocusReason);
}

QWidget* SecurityPage::controlWidget(int id) const {
    const auto control = static_cast<SecurityControl>(id);
    for (const auto& [radio, c] : radios_)
        if (c == control) return radio;
    switch (control) {
    case SecurityControl::WepKey: return ui_->wepKey;
    case SecurityControl::PskKey: return ui_->pskKey;
    case SecurityControl::AuthId: return ui_->authId;
    case SecurityControl::AuthPassword: return ui_->authPassword;
    default: return nullptr;
    }
}

}  // namespace corvane::direct
