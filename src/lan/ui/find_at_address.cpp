#include "lan/ui/find_at_address.h"

#include <algorithm>

#include <QBoxLayout>
#include <QCoreApplication>
#include <QInputDialog>
#include <QProgressDialog>
#include <QPushButton>

#include "lan/device_lists.h"
#include "lan/discovery_search.h"
#include "lan/request_failure.h"
#include "link/string_table.h"
#include "transport/local_addresses.h"
#include "widgets/messages.h"

namespace corvane::lan {

std::optional<QString> askForAddresses(QWidget* parent, const QString& typed) {
    bool ok = false;
    const QString text = QInputDialog::getText(
        parent, QCoreApplication::translate("FindAtAddress", "Find at address"),
        QCoreApplication::translate("FindAtAddress",
                                    "Addresses to ask, such as 10.0.5.20, 10.0.5.1-40 or 10.0.5.7,10.0.6.1-9:"),
        QLineEdit::Normal, typed, &ok);
    if (!ok) return std::nullopt;
    return text.trimmed();
}

int findAtAddress(QWidget* parent, link::ListMode mode, const QString& localAddress, transport::LanEndpoints endpoints,
                  int tickMs, const AddressQuestion& ask) {
    std::optional<QString> text = ask(parent, QString());
    for (;;) {
        if (!text || text->isEmpty()) return -1;
        const auto list = transport::parseTargetList(*text, transport::LanEndpoints::kMaxTargets);
        if (list) break;
        widgets::showNote(
            parent,
            QCoreApplication::translate("FindAtAddress", "These addresses cannot be asked: %1").arg(list.error()));
        text = ask(parent, *text);
    }
    endpoints.target = *text;
    link::DeviceList found;
    DiscoverySearch search(mode, localAddress, transport::broadcastAddressFor(localAddress), endpoints, found);
    search.setTickInterval(tickMs);
    if (!search.start()) {
        widgets::showMessageWith(parent, kSearchNotStarted, channelFailureText(search.failure()));
        return -1;
    }
    // A list of addresses is asked at the pacing rate, which may take a
    // while: a modal progress window shows how far the search is and offers
    // Cancel, which keeps what has answered; it closes when the search ends.
    QProgressDialog progress(parent);
    progress.setWindowTitle(QCoreApplication::translate("FindAtAddress", "Find at address"));
    progress.setLabelText(search.statusText());
    progress.setRange(0, DiscoverySearch::kProgressMaximum);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    QObject::connect(&search, &DiscoverySearch::ticked, &progress, [&progress](int value, const QString& label) {
        progress.setValue(std::min(value, static_cast<int>(DiscoverySearch::kProgressMaximum)));
        progress.setLabelText(label);
    });
    QObject::connect(&progress, &QProgressDialog::canceled, &search, &DiscoverySearch::cancel);
    QObject::connect(&search, &DiscoverySearch::finished, &progress, &QDialog::accept);
    if (search.isRunning()) progress.exec();
    link::DeviceList& list = devicesFor(mode);
    for (int n = 1; const link::DiscoveredDevice* d = found.deviceAt(n); ++n) list.addOrUpdate(*d);
    return static_cast<int>(found.size());
}

QPushButton* addFindAtAddressButton(QWidget& window, QBoxLayout& row) {
    auto* button = new QPushButton(QCoreApplication::translate("FindAtAddress", "Find at address..."), &window);
    button->setObjectName(QStringLiteral("findAtAddressButton"));
    row.insertWidget(0, button);
    return button;
}

}  // namespace corvane::lan
