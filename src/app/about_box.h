// The About box: the tool's version, its licence and the printers it is for.
#pragma once

#include <QString>

class QWidget;

namespace corvane::app {

// The box's text (rich text), in the current language.
QString aboutText();
// Shows the box modally over `parent`.
void showAbout(QWidget* parent);

}  // namespace corvane::app
