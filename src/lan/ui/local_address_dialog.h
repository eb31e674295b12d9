// The local address window: the host's IPv4 addresses in text order, each
// with its interface, the last one chosen by default; double-click takes a
// row at once. Yields the chosen address and its ".255" address, or, with
// "All addresses" ticked, every address (one search from each at once).
#pragma once

#include <memory>

#include <QDialog>

#include "lan/every_adapter_search.h"
#include "transport/local_addresses.h"

namespace Ui {
class LocalAddressDialog;
}

namespace corvane::lan {

class LocalAddressDialog : public QDialog {
    Q_OBJECT
public:
    explicit LocalAddressDialog(QWidget* parent = nullptr,
                                transport::LocalAddressModel model = transport::LocalAddressModel());
    ~LocalAddressDialog() override;

    // Lists the addresses, then runs the window. Without a usable address it
    // says so (message 86) and ends as cancelled without showing.
    int exec() override;

    QString localAddress() const { return model_.localAddress(); }
    QString broadcastAddress() const { return model_.broadcastAddress(); }
    // "All addresses" is ticked: search from every address of the list.
    bool allAddresses() const;
    // Every address of the list with its interface.
    QList<Adapter> adapters() const;

private:
    bool initialise();

    std::unique_ptr<Ui::LocalAddressDialog> ui_;
    transport::LocalAddressModel model_;
};

}  // namespace corvane::lan
