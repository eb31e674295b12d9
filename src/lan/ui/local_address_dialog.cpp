#include "lan/ui/local_address_dialog.h"

#include "link/string_table.h"
#include "ui_local_address_dialog.h"
#include "widgets/messages.h"

namespace corvane::lan {

LocalAddressDialog::LocalAddressDialog(QWidget* parent, transport::LocalAddressModel model)
    : QDialog(parent), ui_(std::make_unique<Ui::LocalAddressDialog>()), model_(std::move(model)) {
    ui_->setupUi(this);
    connect(ui_->okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->addressList, &QListWidget::currentRowChanged, this, [this](int row) { model_.select(row); });
    // The press before it has chosen the row.
    connect(ui_->addressList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    // Every address searches at once: the list's choice does not count then.
    connect(ui_->allAddressesCheck, &QCheckBox::toggled, ui_->addressList, &QWidget::setDisabled);
}

bool LocalAddressDialog::allAddresses() const { return ui_->allAddressesCheck->isChecked(); }

QList<Adapter> LocalAddressDialog::adapters() const {
    QList<Adapter> out;
    for (const QString& address : model_.rows()) out.append({address, transport::interfaceNameOf(address)});
    return out;
}

LocalAddressDialog::~LocalAddressDialog() = default;

bool LocalAddressDialog::initialise() {
    const bool loaded = model_.load();
    ui_->hostNameLabel->setText(model_.hostName());
    if (!loaded || model_.empty()) {
        widgets::showMessage(parentWidget(), kNoNetworkConnection);
        return false;
    }
    const QSignalBlocker block(ui_->addressList);
    ui_->addressList->clear();
    ui_->addressList->addItems(model_.rowTexts());
    const int row = model_.defaultRow();
    model_.select(row);
    ui_->addressList->setCurrentRow(row);
    return true;
}

int LocalAddressDialog::exec() {
    if (!initialise()) {
        setResult(QDialog::Rejected);
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

}  // namespace corvane::lan
