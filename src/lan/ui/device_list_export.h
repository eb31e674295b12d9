// "Export…" and "Copy" under the device list: the printers as the list
// shows them, to a CSV or JSON file (by the name's extension), or
// tab-separated to the clipboard.
#pragma once

#include <functional>
#include <vector>

#include "link/discovered_device.h"

class QBoxLayout;
class QWidget;

namespace corvane::lan {

// Adds the two buttons in a row of their own at the end of `layout`; gives
// the row, for more buttons. `shown` gives the record numbers to write, in
// the list's order.
QBoxLayout* addExportButtons(QWidget& window, QBoxLayout& layout, link::ListMode mode,
                             std::function<std::vector<int>()> shown);

}  // namespace corvane::lan
