// "Find at address…" in the device list: asks for addresses (one, a
// last-octet range or a comma list, as --target takes them), searches them,
// and adds what answers to the list of the mode.
#pragma once

#include <functional>
#include <optional>

#include <QString>

#include "transport/endpoints.h"

class QBoxLayout;
class QPushButton;
class QWidget;

namespace corvane::lan {

// Gives the text the user entered, starting from `typed`; nullopt when the
// question was cancelled.
using AddressQuestion = std::function<std::optional<QString>(QWidget* parent, const QString& typed)>;

// The question the window asks by default.
std::optional<QString> askForAddresses(QWidget* parent, const QString& typed);

// The number of printers added to the mode's list, or -1 when nothing was
// searched (cancelled). Addresses that cannot be asked are refused with a
// message and asked for again, with what was typed kept for correcting.
int findAtAddress(QWidget* parent, link::ListMode mode, const QString& localAddress, transport::LanEndpoints endpoints,
                  int tickMs, const AddressQuestion& ask = askForAddresses);

// The button, first in `row`.
QPushButton* addFindAtAddressButton(QWidget& window, QBoxLayout& row);

}  // namespace corvane::lan
