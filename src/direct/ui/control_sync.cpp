#include "direct/ui/control_sync.h"

#include <algorithm>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QValidator>
#include <QWidget>

#include "rules/text_entry.h"
#include "widgets/messages.h"

namespace corvane::direct {

namespace {

// Lets the user type into an edit of a record text field only what the
// field's entry rule takes (rules::AcceptsEdit): measured in UTF-8 bytes,
// so a text is never longer than what the record holds. The text before a
// change is the last one the validator took or the program put in.
class FieldEntryValidator : public QValidator {
public:
    FieldEntryValidator(std::string_view field, QObject* parent) : QValidator(parent), field_(field) {}

    std::string_view field() const { return field_; }
    void setCurrent(const QString& text) { current_ = text.toStdString(); }

    State validate(QString& input, int&) const override {
        const std::string after = input.toStdString();
        if (after == current_) return Acceptable;
        if (!rules::AcceptsEdit(field_, current_, after)) return Invalid;
        current_ = after;
        return Acceptable;
    }

private:
    std::string_view field_;
    mutable std::string current_;
};

FieldEntryValidator* fieldValidator(QLineEdit* edit, std::string_view field) {
    auto* validator = dynamic_cast<FieldEntryValidator*>(const_cast<QValidator*>(edit->validator()));
    if (!validator || validator->field() != field) {
        validator = new FieldEntryValidator(field, edit);
        edit->setValidator(validator);
    }
    return validator;
}

}  // namespace

void applyState(QWidget* widget, const rules::ControlState& state) {
    widget->setEnabled(state.enabled);
    // A hidden page's children are not shown by this; they follow the page.
    widget->setVisible(state.visible);
}

void applyButton(QAbstractButton* button, const rules::ControlState& state) {
    const QSignalBlocker block(button);
    applyState(button, state);
    button->setChecked(state.checked);
}

void applyEdit(QLineEdit* edit, const rules::ControlState& state, const std::string& text) {
    const QSignalBlocker block(edit);
    applyState(edit, state);
    const QString shown = toQString(text);
    if (!state.field.empty()) {
        // A longer text the program puts in (a printer name read from the
        // record) is still shown whole; the validator lets it be shortened.
        auto* validator = fieldValidator(edit, state.field);
        if (edit->text() != shown) edit->setText(shown);
        validator->setCurrent(edit->text());
        return;
    }
    if (edit->text() != shown) edit->setText(shown);
}

void applyCombo(QComboBox* combo, const rules::ControlState& state) {
    const QSignalBlocker block(combo);
    applyState(combo, state);
    combo->setCurrentIndex(state.selection);
}

void applyAddress(widgets::Ipv4AddressEdit* edit, const rules::ControlState& state, link::Ipv4Address address) {
    const QSignalBlocker block(edit);
    applyState(edit, state);
    // A partly typed address reads as zeros in its blank parts; leave the
    // blanks alone while they already mean the model's address.
    if (edit->address() != address) edit->setAddress(address);
}

QString toQString(const std::string& text) { return QString::fromStdString(text); }

std::string toStdString(const QString& text) { return text.toStdString(); }

void presentNotice(QWidget* parent, const rules::Notice& notice, const ControlFinder& findControl) {
    QWidget* target = notice.focus != 0 && findControl ? findControl(notice.scope, notice.focus) : nullptr;
    if (target && notice.focusFirst) target->setFocus(Qt::OtherFocusReason);
    widgets::showMessage(parent, notice.message);
    if (target && !notice.focusFirst) target->setFocus(Qt::OtherFocusReason);
}

}  // namespace corvane::direct
