// "Export…" and "Copy" under the device list: the listed printers to a CSV
// or JSON file (by the name's extension), or tab-separated to the clipboard.
#pragma once

#include "link/discovered_device.h"

class QBoxLayout;
class QWidget;

namespace corvane::lan {

// Adds the two buttons in a row of their own at the end of `layout`; gives
// the row, for more buttons.
QBoxLayout* addExportButtons(QWidget& window, QBoxLayout& layout, ListMode mode);

}  // namespace corvane::lan
