#include "app/direct_config_launch.h"

#include "ui/direct_config_entry.h"

namespace corvane::app {

void openDirectConfig(QWidget* parent) { corvane::ui::runDirectConfigDialog(parent); }

}  // namespace corvane::app
