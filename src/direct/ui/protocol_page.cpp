#include "direct/ui/protocol_page.h"

#include "link/string_table.h"
#include "ui_protocol_page.h"
#include "widgets/secret_toggle.h"
#include "widgets/translation.h"

namespace corvane::direct {

using rules::ProtocolControl;

ProtocolPage::ProtocolPage(rules::ProtocolPage& model, NoticeSink notices, QWidget* parent)
    : ConfigPage(parent), model_(model), notices_(std::move(notices)), ui_(std::make_unique<Ui::ProtocolPage>()) {
    ui_->setupUi(this);
    // Index 0 "Disable", index 1 "Enable": the index is the record's code.
    const std::pair<QComboBox*, ProtocolControl> lists[] = {{ui_->https, ProtocolControl::Https},
                                                            {ui_->telnet, ProtocolControl::Telnet},
                                                            {ui_->ftp, ProtocolControl::Ftp},
                                                            {ui_->snmp, ProtocolControl::Snmp}};
    for (const auto& [list, control] : lists) {
        list->addItems({widgets::stringText(kLabelDisable), widgets::stringText(kLabelEnable)});
        connect(list, &QComboBox::activated, this, [this, c = control](int index) {
            model_.chooseEntry(c, index);
            render();
        });
    }
    const std::pair<QLineEdit*, ProtocolControl> edits[] = {{ui_->getCommunity, ProtocolControl::GetCommunity},
                                                            {ui_->setCommunity, ProtocolControl::SetCommunity},
                                                            {ui_->trapCommunity, ProtocolControl::TrapCommunity}};
    // The write community lets whoever knows it change the printer: masked
    // like the keys.
    widgets::SecretToggle::attach(ui_->setCommunity);
    for (const auto& [edit, control] : edits)
        connect(edit, &QLineEdit::textEdited, this, [this, c = control](const QString& text) {
            const auto notice = model_.editText(c, toStdString(text));
            render();
            if (notice) notices_(*notice);
        });
    connect(ui_->trapAddress, &widgets::Ipv4AddressEdit::fieldChanged, this,
            [this] { model_.setTrapAddress(ui_->trapAddress->address()); });
    render();
}

ProtocolPage::~ProtocolPage() = default;

void ProtocolPage::render() {
    const auto& c = model_.controls();
    for (auto [list, control] :
         {std::pair{ui_->https, ProtocolControl::Https}, std::pair{ui_->telnet, ProtocolControl::Telnet},
          std::pair{ui_->ftp, ProtocolControl::Ftp}, std::pair{ui_->snmp, ProtocolControl::Snmp}})
        applyCombo(list, c[control]);
    for (auto [edit, control] : {std::pair{ui_->getCommunity, ProtocolControl::GetCommunity},
                                 std::pair{ui_->setCommunity, ProtocolControl::SetCommunity},
                                 std::pair{ui_->trapCommunity, ProtocolControl::TrapCommunity}})
        applyEdit(edit, c[control], model_.text(control));
    applyAddress(ui_->trapAddress, c[ProtocolControl::TrapAddress], model_.trapAddress);
}

QWidget* ProtocolPage::controlWidget(int id) const {
    switch (static_cast<ProtocolControl>(id)) {
    case ProtocolControl::Https: return ui_->https;
    case ProtocolControl::Telnet: return ui_->telnet;
    case ProtocolControl::Ftp: return ui_->ftp;
    case ProtocolControl::Snmp: return ui_->snmp;
    case ProtocolControl::GetCommunity: return ui_->getCommunity;
    case ProtocolControl::SetCommunity: return ui_->setCommunity;
    case ProtocolControl::TrapAddress: return ui_->trapAddress;
    case ProtocolControl::TrapCommunity: return ui_->trapCommunity;
    }
    return nullptr;
}

}  // namespace corvane::direct
