#include "direct/ui/direct_config_entry.h"

#include "direct/ui/direct_config_dialog.h"

namespace corvane::direct {

void runDirectConfigDialog(QWidget* parent) { runDirectConfigDialog(parent, DirectConfigOptions{}); }

void runDirectConfigDialog(QWidget* parent, const DirectConfigOptions& options) {
    DirectConfigDialog dialog(options, parent);
    dialog.exec();
}

}  // namespace corvane::direct
