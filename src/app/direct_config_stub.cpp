// Stands in for the direct configuration window while this build does not
// contain it: the launcher's USB button explains instead of opening it.
#include "app/direct_config_launch.h"

#include <QCoreApplication>

#include "app/messages.h"

namespace corvane::app {

void openDirectConfig(QWidget* parent) {
    showNote(parent, QCoreApplication::translate(
                         "LauncherDialog", "The configuration over a serial or USB link is not available in this build."));
}

}  // namespace corvane::app
