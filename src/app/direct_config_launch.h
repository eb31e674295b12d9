// Opens the direct (serial/USB) configuration window from the launcher.
#pragma once

class QWidget;

namespace corvane::app {

void openDirectConfig(QWidget* parent);

}  // namespace corvane::app
