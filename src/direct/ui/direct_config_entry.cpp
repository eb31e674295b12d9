#include "direct/ui/direct_config_entry.h"

#include "direct/ui/direct_config_dialog.h"
#include "widgets/window_placement.h"

namespace corvane::direct {

void runDirectConfigDialog(QWidget* parent) { runDirectConfigDialog(parent, DirectConfigOptions{}); }

void runDirectConfigDialog(QWidget* parent, const DirectConfigOptions& options) {
    DirectConfigDialog dialog(options, parent);
    widgets::coverParentWindow(dialog);
    dialog.exec();
}

}  // namespace corvane::direct
