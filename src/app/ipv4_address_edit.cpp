#include "app/ipv4_address_edit.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace corvane::app {

namespace {

// One part: up to three digits, at most 255. (QIntValidator lets "256"
// through as an intermediate value, which would later read back wrapped.)
class PartValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        if (input.isEmpty()) return Intermediate;
        if (input.size() > 3) return Invalid;
        for (const QChar c : input) {
            if (!c.isDigit() || c.unicode() > '9') return Invalid;
        }
        return input.toInt() <= 255 ? Acceptable : Invalid;
    }
};

}  // namespace

Ipv4AddressEdit::Ipv4AddressEdit(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (int i = 0; i < 4; ++i) {
        if (i > 0) layout->addWidget(new QLabel(QStringLiteral("."), this));
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("part%1").arg(i));
        edit->setValidator(new PartValidator(edit));
        edit->setMaxLength(3);
        edit->setAlignment(Qt::AlignCenter);
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            bool ok = false;
            const int value = text.toInt(&ok);
            emit fieldChanged(i, ok ? value : -1);
            // A complete part moves on, as typing an address expects.
            if (text.size() == 3 && i < 3) focusField(i + 1);
        });
        layout->addWidget(edit);
        fields_[static_cast<std::size_t>(i)] = edit;
    }
    layout->addStretch();
    setFocusProxy(fields_[0]);
}

void Ipv4AddressEdit::setAddress(const Address& address) {
    for (std::size_t i = 0; i < 4; ++i) fields_[i]->setText(QString::number(address[i]));
}

Ipv4AddressEdit::Address Ipv4AddressEdit::address() const {
    Address result{};
    for (std::size_t i = 0; i < 4; ++i) {
        // Blank reads as 0; the validator keeps parts within 0..255.
        result[i] = static_cast<std::uint8_t>(std::clamp(fields_[i]->text().toInt(), 0, 255));
    }
    return result;
}

void Ipv4AddressEdit::clear() {
    for (auto* edit : fields_) edit->clear();
}

int Ipv4AddressEdit::filledFieldCount() const {
    int count = 0;
    for (const auto* edit : fields_) count += edit->text().isEmpty() ? 0 : 1;
    return count;
}

QLineEdit* Ipv4AddressEdit::field(int index) const {
    return index >= 0 && index < 4 ? fields_[static_cast<std::size_t>(index)] : nullptr;
}

int Ipv4AddressEdit::indexOf(QObject* object) const {
    for (int i = 0; i < 4; ++i) {
        if (fields_[static_cast<std::size_t>(i)] == object) return i;
    }
    return -1;
}

void Ipv4AddressEdit::focusField(int index) {
    auto* edit = field(index);
    if (!edit) return;
    edit->setFocus();
    edit->selectAll();
}

bool Ipv4AddressEdit::eventFilter(QObject* watched, QEvent* event) {
    const int index = indexOf(watched);
    if (index >= 0 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto* edit = fields_[static_cast<std::size_t>(index)];
        if (key->key() == Qt::Key_Period && index < 3) {
            focusField(index + 1);
            return true;
        }
        if (key->key() == Qt::Key_Backspace && edit->cursorPosition() == 0 && !edit->hasSelectedText()
            && index > 0) {
            focusField(index - 1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace corvane::app
