#include "direct/ui/network_page.h"

#include <QRegularExpressionValidator>
#include <QStyle>

#include "ui_network_page.h"
#include "widgets/secret_toggle.h"

namespace corvane::direct {

using rules::NetworkControl;

NetworkPage::NetworkPage(rules::NetworkPage& model, NoticeSink notices, QWidget* parent)
    : ConfigPage(parent), model_(model), notices_(std::move(notices)), ui_(std::make_unique<Ui::NetworkPage>()) {
    ui_->setupUi(this);
    held_ = new EditNotices(notices_, this);

    // The model decides which radio is checked; a refused click must not
    // leave Qt's own choice behind.
    for (auto* radio : {ui_->infraRadio, ui_->adhocRadio, ui_->wifiDirectRadio, ui_->dhcpRadio, ui_->manualRadio})
        radio->setAutoExclusive(false);
    connect(ui_->infraRadio, &QRadioButton::clicked, this, [this] {
        model_.clickInfra();
        after({});
    });
    connect(ui_->adhocRadio, &QRadioButton::clicked, this, [this] { after(model_.clickAdhoc()); });
    connect(ui_->wifiDirectRadio, &QRadioButton::clicked, this, [this] {
        model_.clickWifiDirect();
        after({});
    });
    connect(ui_->dhcpRadio, &QRadioButton::clicked, this, [this] { after(model_.clickDhcp()); });
    connect(ui_->manualRadio, &QRadioButton::clicked, this, [this] {
        model_.clickManual();
        after({});
    });

    const auto digits = QRegularExpression(QStringLiteral("[0-9]*"));
    const std::pair<QLineEdit*, NetworkControl> edits[] = {{ui_->ssid, NetworkControl::Ssid},
                                                           {ui_->adhocChannel, NetworkControl::AdhocChannel},
                                                           {ui_->inactivityTime, NetworkControl::InactivityTime},
                                                           {ui_->pinCode, NetworkControl::PinCode}};
    for (const auto& [edit, control] : edits) {
        // The SSID and the PIN take what their record fields' entry rules allow.
        if (control == NetworkControl::AdhocChannel || control == NetworkControl::InactivityTime)
            edit->setValidator(new QRegularExpressionValidator(digits, edit));
        connect(edit, &QLineEdit::textEdited, this, [this, e = edit, c = control](const QString& text) {
            const auto notice = model_.editText(c, toStdString(text));
            if (c != NetworkControl::AdhocChannel && c != NetworkControl::InactivityTime) return after(notice);
            // The number is corrected at once; the message waits for the edit's end.
            render();
            held_->hold(e, notice);
        });
    }

    widgets::SecretToggle::attach(ui_->pinCode);
    // Room for the PIN's eight hidden characters, however long the Show
    // button's word is in the language.
    const QChar dot(style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, ui_->pinCode));
    ui_->pinCode->setMinimumWidth(ui_->pinCode->fontMetrics().horizontalAdvance(QString(10, dot)) + 8);

    const std::pair<widgets::Ipv4AddressEdit*, NetworkControl> addresses[] = {
        {ui_->ipAddress, NetworkControl::IpAddress},
        {ui_->subnetMask, NetworkControl::SubnetMask},
        {ui_->gateway, NetworkControl::Gateway}};
    ui_->subnetMask->setRole(link::AddressRole::Mask);
    ui_->ipAddress->setRole(link::AddressRole::Host, ui_->subnetMask);
    ui_->gateway->setRole(link::AddressRole::Gateway, ui_->subnetMask);
    for (const auto& [edit, control] : addresses)
        connect(edit, &widgets::Ipv4AddressEdit::fieldChanged, this,
                [this, e = edit, c = control] { model_.setAddress(c, e->address()); });

    // The Wi-Fi Direct lists are picked from, never typed into; their edit
    // field shows a channel the printer has that the list does not offer.
    for (const auto& entry : rules::NetworkPage::kChannelEntries)
        ui_->p2pChannel->addItem(QString::fromLatin1(entry.data(), static_cast<qsizetype>(entry.size())));
    for (const auto& entry : rules::NetworkPage::kConnModeEntries)
        ui_->p2pConnMode->addItem(QString::fromLatin1(entry.data(), static_cast<qsizetype>(entry.size())));
    for (auto* list : {ui_->p2pChannel, ui_->p2pConnMode}) list->lineEdit()->setReadOnly(true);
    connect(ui_->p2pChannel, &QComboBox::activated, this, [this](int index) {
        model_.chooseP2pChannel(index);
        after({});
    });
    connect(ui_->p2pConnMode, &QComboBox::activated, this, [this](int index) {
        model_.chooseP2pConnMode(index);
        after({});
    });
    render();
}

NetworkPage::~NetworkPage() = default;

void NetworkPage::after(const rules::MaybeNotice& notice) {
    render();
    if (notice) notices_(*notice);
}

void NetworkPage::render() {
    const auto& c = model_.controls();
    for (auto [radio, control] : {std::pair{ui_->infraRadio, NetworkControl::InfraRadio},
                                  std::pair{ui_->adhocRadio, NetworkControl::AdhocRadio},
                                  std::pair{ui_->wifiDirectRadio, NetworkControl::WifiDirectRadio},
                                  std::pair{ui_->dhcpRadio, NetworkControl::DhcpRadio},
                                  std::pair{ui_->manualRadio, NetworkControl::ManualRadio}})
        applyButton(radio, c[control]);
    for (auto [edit, control] :
         {std::pair{ui_->ssid, NetworkControl::Ssid}, std::pair{ui_->adhocChannel, NetworkControl::AdhocChannel},
          std::pair{ui_->inactivityTime, NetworkControl::InactivityTime},
          std::pair{ui_->pinCode, NetworkControl::PinCode}})
        applyEdit(edit, c[control], model_.text(control));
    applyAddress(ui_->ipAddress, c[NetworkControl::IpAddress], model_.ipAddress());
    applyAddress(ui_->subnetMask, c[NetworkControl::SubnetMask], model_.subnetMask());
    applyAddress(ui_->gateway, c[NetworkControl::Gateway], model_.gateway());
    for (auto* edit : {ui_->ipAddress, ui_->subnetMask, ui_->gateway}) edit->refreshMark();
    for (auto [list, control] : {std::pair{ui_->p2pChannel, NetworkControl::P2pChannel},
                                 std::pair{ui_->p2pConnMode, NetworkControl::P2pConnMode}}) {
        applyCombo(list, c[control]);
        if (c[control].selection < 0) {
            const QSignalBlocker block(list);
            list->setEditText(toQString(model_.text(control)));
        }
    }
    if (auto focus = model_.takeFocusRequest())
        if (auto* widget = controlWidget(static_cast<int>(*focus))) widget->setFocus(Qt::OtherFocusReason);
}

QWidget* NetworkPage::controlWidget(int id) const {
    switch (static_cast<NetworkControl>(id)) {
    case NetworkControl::IpAddress: return ui_->ipAddress;
    case NetworkControl::SubnetMask: return ui_->subnetMask;
    case NetworkControl::Gateway: return ui_->gateway;
    case NetworkControl::Ssid: return ui_->ssid;
    case NetworkControl::InactivityTime: return ui_->inactivityTime;
    case NetworkControl::DhcpRadio: return ui_->dhcpRadio;
    case NetworkControl::ManualRadio: return ui_->manualRadio;
    case NetworkControl::InfraRadio: return ui_->infraRadio;
    case NetworkControl::AdhocRadio: return ui_->adhocRadio;
    case NetworkControl::AdhocChannel: return ui_->adhocChannel;
    case NetworkControl::WifiDirectRadio: return ui_->wifiDirectRadio;
    case NetworkControl::P2pChannel: return ui_->p2pChannel;
    case NetworkControl::P2pConnMode: return ui_->p2pConnMode;
    case NetworkControl::PinCode: return ui_->pinCode;
    }
    return nullptr;
}

}  // namespace corvane::direct
