#include "direct/ui/secrets_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "link/config_fields.h"
#include "link/string_table.h"
#include "direct/ui/control_sync.h"
#include "widgets/secret_toggle.h"
#include "widgets/translation.h"

namespace corvane::direct {

namespace {

// The label each secret has on its page.
QString labelOf(const std::string& field) {
    if (field == "wepKey") return QCoreApplication::translate("SecretsDialog", "WEP Key");
    if (field == "pskKey") return QCoreApplication::translate("SecretsDialog", "PSK Key");
    if (field == "authPassword") return widgets::stringText(kAuthenticationPassword);
    if (field == "p2pPinCode") return QCoreApplication::translate("SecretsDialog", "PIN Code");
    return toQString(field);
}

}  // namespace

SecretsDialog::SecretsDialog(const std::vector<std::string>& fields, QWidget* parent) : QDialog(parent) {
    setWindowTitle(widgets::stringText(kCaption));
    auto* layout = new QVBoxLayout(this);
    auto* explanation =
        new QLabel(QCoreApplication::translate("SecretsDialog",
                                               "The profile leaves out these secrets. Enter them for this printer:"),
                   this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);
    // The form is in the window before the Show buttons take the entries'
    // places in it; otherwise each would be drawn at the window's corner.
    auto* form = new QFormLayout;
    layout->addLayout(form);
    for (const std::string& field : fields) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(toQString("secret_" + field));
        edit->setEchoMode(QLineEdit::Password);
        edit->setAccessibleName(labelOf(field));
        if (const link::ConfigField* f = link::FindConfigField(field)) edit->setMaxLength(static_cast<int>(f->width));
        form->addRow(labelOf(field), edit);
        widgets::SecretToggle::attach(edit);
        entries_.emplace_back(field, edit);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QLineEdit* SecretsDialog::entry(const std::string& field) const {
    for (const auto& [name, edit] : entries_)
        if (name == field) return edit;
    return nullptr;
}

rules::Profile SecretsDialog::secrets() const {
    rules::Profile profile;
    for (const auto& [name, edit] : entries_) profile.values.emplace(name, toStdString(edit->text()));
    return profile;
}

}  // namespace corvane::direct
