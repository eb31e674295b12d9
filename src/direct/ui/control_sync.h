// Showing a model's control states on the widgets. Every write happens with
// the widget's signals blocked, so mirroring a model never looks like a user
// edit and never feeds back into the model.
#pragma once

#include <functional>
#include <string>

#include <QString>

#include "link/printer_config.h"
#include "rules/control_state.h"
#include "widgets/ipv4_address_edit.h"

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QWidget;

namespace corvane::direct {

// Enabled and visible, for any control.
void applyState(QWidget* widget, const rules::ControlState& state);
// Plus the checked mark.
void applyButton(QAbstractButton* button, const rules::ControlState& state);
// Plus the length limit and the text; the text is only replaced when it
// differs, so the cursor stays where the user is typing.
void applyEdit(QLineEdit* edit, const rules::ControlState& state, const std::string& text);
// Plus the selected entry (-1: none).
void applyCombo(QComboBox* combo, const rules::ControlState& state);

// Plus the address, when it differs from the one shown.
void applyAddress(widgets::Ipv4AddressEdit* edit, const rules::ControlState& state, link::Ipv4Address address);

QString toQString(const std::string& text);
std::string toStdString(const QString& text);

// Shows what a rule asks for: its message (caption "Corvane Tool") and the
// focus on its control, before or after the message as the rule says.
// `findControl` maps the notice's scope and control number to a widget.
using ControlFinder = std::function<QWidget*(int scope, int control)>;
void presentNotice(QWidget* parent, const rules::Notice& notice, const ControlFinder& findControl);

// Where a page hands the notices of its rules.
using NoticeSink = std::function<void(const rules::Notice&)>;

}  // namespace corvane::direct
