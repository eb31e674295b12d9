#include "widgets/ipv4_address_edit.h"

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QValidator>

#include "link/ipv4_address.h"
#include "link/printer_config.h"

namespace corvane::widgets {

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

QString addressProblemText(link::AddressProblem problem) {
    switch (problem) {
    case link::AddressProblem::None: return {};
    case link::AddressProblem::MaskNotContiguous:
        return QCoreApplication::translate("Ipv4AddressEdit",
                                           "This mask is not a run of ones followed by zeros (such as 255.255.255.0).");
    case link::AddressProblem::NetworkAddress:
        return QCoreApplication::translate(
            "Ipv4AddressEdit", "This is the network address of the subnet its mask spans; no device can use it.");
    case link::AddressProblem::BroadcastAddress:
        return QCoreApplication::translate(
            "Ipv4AddressEdit", "This is the broadcast address of the subnet its mask spans; no device can use it.");
    }
    return {};
}

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
            emit addressChanged();
            // A complete part moves on, as typing an address expects.
            if (text.size() == 3 && i < 3) {
                focusField(i + 1, -1);
                jumpedTo_ = i + 1;
            }
        });
        layout->addWidget(edit);
        fields_[static_cast<std::size_t>(i)] = edit;
    }
    layout->addStretch();
    setFocusProxy(fields_[0]);
    connect(this, &Ipv4AddressEdit::addressChanged, this, &Ipv4AddressEdit::refreshMark);
    describeParts();
}

void Ipv4AddressEdit::setAddress(link::Ipv4Address address) {
    const link::Ipv4Octets parts = address.octets();
    for (std::size_t i = 0; i < 4; ++i) fields_[i]->setText(QString::number(parts[i]));
    emit addressChanged();
}

link::Ipv4Address Ipv4AddressEdit::address() const {
    link::Ipv4Octets parts{};
    for (std::size_t i = 0; i < 4; ++i) {
        // Blank reads as 0; the validator keeps parts within 0..255.
        parts[i] = static_cast<std::uint8_t>(std::clamp(fields_[i]->text().toInt(), 0, 255));
    }
    return link::Ipv4Address(parts);
}

void Ipv4AddressEdit::clear() {
    for (auto* edit : fields_) edit->clear();
    emit addressChanged();
}

int Ipv4AddressEdit::filledFieldCount() const {
    int count = 0;
    for (const auto* edit : fields_) count += edit->text().isEmpty() ? 0 : 1;
    return count;
}

QString Ipv4AddressEdit::text() const { return QString::fromStdString(address().text()); }

bool Ipv4AddressEdit::setText(const QString& text) {
    const auto parsed = link::ParseIpv4Address(text.toStdString());
    if (!parsed) return false;
    setAddress(*parsed);
    return true;
}

void Ipv4AddressEdit::setRole(link::AddressRole role, const Ipv4AddressEdit* maskEdit) {
    hasRole_ = true;
    role_ = role;
    if (maskEdit_) disconnect(maskEdit_, nullptr, this, nullptr);
    maskEdit_ = role == link::AddressRole::Mask ? nullptr : maskEdit;
    if (maskEdit_) connect(maskEdit_, &Ipv4AddressEdit::addressChanged, this, &Ipv4AddressEdit::refreshMark);
    refreshMark();
}

void Ipv4AddressEdit::refreshMark() {
    link::AddressProblem problem = link::AddressProblem::None;
    // A disabled entry (DHCP chosen) holds nothing the user has to fix.
    if (hasRole_ && isEnabled() && filledFieldCount() == 4) {
        const link::Ipv4Address mask = maskEdit_ ? maskEdit_->address() : link::Ipv4Address();
        problem = link::ClassifyAddress(role_, address(), mask);
    }
    if (problem == problem_) return;
    problem_ = problem;
    const QString why = addressProblemText(problem);
    setToolTip(why);
    for (auto* edit : fields_) {
        edit->setStyleSheet(why.isEmpty() ? QString() : QStringLiteral("QLineEdit { border: 2px solid #d00000; }"));
        edit->setToolTip(why);
    }
    describeParts();
}

void Ipv4AddressEdit::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) refreshMark();
    if (event->type() == QEvent::LanguageChange) describeParts();
    QWidget::changeEvent(event);
}

// A screen reader names each part by the whole entry's name and tells its
// range, and reads out the mark.
void Ipv4AddressEdit::describeParts() {
    QString owner = accessibleName();
    if (owner.isEmpty()) owner = QCoreApplication::translate("Ipv4AddressEdit", "IP address");
    for (int i = 0; i < 4; ++i) {
        auto* edit = fields_[static_cast<std::size_t>(i)];
        edit->setAccessibleName(
            QCoreApplication::translate("Ipv4AddressEdit", "%1, part %2 of 4").arg(owner).arg(i + 1));
        const QString range = QCoreApplication::translate("Ipv4AddressEdit", "0 to 255");
        const QString why = addressProblemText(problem_);
        edit->setAccessibleDescription(why.isEmpty() ? range : range + QStringLiteral(". ") + why);
    }
}

void Ipv4AddressEdit::setName(const QString& name) {
    setAccessibleName(name);
    describeParts();
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

// Focuses part `index` with its text selected (cursor -1), or the cursor at
// `cursor` (a position past the end means the end).
void Ipv4AddressEdit::focusField(int index, int cursor) {
    auto* edit = field(index);
    if (!edit) return;
    edit->setFocus(Qt::OtherFocusReason);
    if (cursor < 0) edit->selectAll();
    else edit->setCursorPosition(std::min<int>(cursor, static_cast<int>(edit->text().size())));
}

bool Ipv4AddressEdit::pasteAddress(int index) {
    const QString pasted = QApplication::clipboard()->text().trimmed();
    if (setText(pasted)) {
        // Each part as if typed, so whoever mirrors the parts follows.
        const link::Ipv4Octets parts = address().octets();
        for (int i = 0; i < 4; ++i) emit fieldChanged(i, parts[static_cast<std::size_t>(i)]);
        focusField(3, 3);
        return true;
    }
    // Digits that fit this part paste as usual; anything else is refused and
    // leaves the part as it was.
    auto* edit = fields_[static_cast<std::size_t>(index)];
    QString candidate = edit->text();
    const int from = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const int length = edit->hasSelectedText() ? static_cast<int>(edit->selectedText().size()) : 0;
    candidate.replace(from, length, pasted);
    int position = 0;
    if (pasted.isEmpty() || edit->validator()->validate(candidate, position) != QValidator::Acceptable) return true;
    return false;
}

bool Ipv4AddressEdit::eventFilter(QObject* watched, QEvent* event) {
    const int index = indexOf(watched);
    if (index < 0 || event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* edit = fields_[static_cast<std::size_t>(index)];
    const bool justJumped = jumpedTo_ == index;
    jumpedTo_ = -1;
    const bool plain = !edit->hasSelectedText();
    const int cursor = edit->cursorPosition();
    const int end = static_cast<int>(edit->text().size());

    if (key->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(text());
        return true;
    }
    if (key->matches(QKeySequence::Paste)) return pasteAddress(index);
    if (key->matches(QKeySequence::Cut)) return true;  // a part alone is no address to carry away
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return QWidget::eventFilter(watched, event);

    switch (key->key()) {
    case Qt::Key_Period:
    case Qt::Key_Comma:
        // Right after an automatic move the "." is the one the user meant
        // for the part just completed.
        if (!justJumped && index < 3 && !edit->text().isEmpty()) focusField(index + 1, -1);
        return true;
    case Qt::Key_Backspace:
        if (plain && cursor == 0 && index > 0) {
            focusField(index - 1, 3);
            return true;
        }
        break;
    case Qt::Key_Left:
        if (plain && cursor == 0 && index > 0 && !(key->modifiers() & Qt::ShiftModifier)) {
            focusField(index - 1, 3);
            return true;
        }
        break;
    case Qt::Key_Right:
        if (plain && cursor == end && index < 3 && !(key->modifiers() & Qt::ShiftModifier)) {
            focusField(index + 1, 0);
            return true;
        }
        break;
    case Qt::Key_Home:
        if (!(key->modifiers() & Qt::ShiftModifier)) {
            focusField(0, 0);
            return true;
        }
        break;
    case Qt::Key_End:
        if (!(key->modifiers() & Qt::ShiftModifier)) {
            focusField(3, 3);
            return true;
        }
        break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace corvane::widgets
