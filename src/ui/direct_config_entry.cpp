#include "ui/direct_config_entry.h"

#include "ui/direct_config_dialog.h"

namespace corvane::ui {

void runDirectConfigDialog(QWidget* parent) { runDirectConfigDialog(parent, DirectConfigOptions{}); }

void runDirectConfigDialog(QWidget* parent, const DirectConfigOptions& options) {
    DirectConfigDialog dialog(options, parent);
    dialog.exec();
}

}  // namespace corvane::ui
