#include "app/direct_config_launch.h"

#include "direct/ui/direct_config_entry.h"

namespace corvane::app {

void openDirectConfig(QWidget* parent) { corvane::direct::runDirectConfigDialog(parent); }

}  // namespace corvane::app
