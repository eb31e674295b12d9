#include "widgets/window_access.h"

#include "widgets/ipv4_address_edit.h"

#include <functional>
#include <map>
#include <set>
#include <string_view>
#include <vector>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace corvane::widgets {

namespace {

bool isInput(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const Ipv4AddressEdit*>(w);
}

// The input a layout cell holds: the widget itself, or the input inside a
// holder (an edit with its Show button).
QWidget* inputIn(QLayoutItem* item) {
    if (!item || !item->widget()) return nullptr;
    QWidget* w = item->widget();
    if (isInput(w)) return w;
    for (QWidget* child : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (isInput(child)) return child;
    return nullptr;
}

// ":" or "：" at a label's end, with the spaces before it.
const QRegularExpression kTrailingColon(QStringLiteral("\\s*[:：]\\s*$"));

// A screen reader finds a buddy label only among the control's siblings; a
// control in a holder, or made of parts, is given the label's words itself.
void link(QLabel* label, QWidget* field) {
    label->setBuddy(field);
    if (auto* address = qobject_cast<Ipv4AddressEdit*>(field)) address->setName(label->text().remove(QLatin1Char('&')));
    else if (field->parentWidget() != label->parentWidget() && field->accessibleName().isEmpty())
        field->setAccessibleName(label->text().remove(QLatin1Char('&')));
}

void linkInLayout(QLayout* layout) {
    if (auto* form = qobject_cast<QFormLayout*>(layout)) {
        for (int row = 0; row < form->rowCount(); ++row) {
            auto* label = form->itemAt(row, QFormLayout::LabelRole)
                              ? qobject_cast<QLabel*>(form->itemAt(row, QFormLayout::LabelRole)->widget())
                              : nullptr;
            QWidget* field = inputIn(form->itemAt(row, QFormLayout::FieldRole));
            if (label && field && !label->buddy()) link(label, field);
            // A value shown in a label is named by its row's label, not read
            // as its group's title when it is empty.
            auto* value = form->itemAt(row, QFormLayout::FieldRole)
                              ? qobject_cast<QLabel*>(form->itemAt(row, QFormLayout::FieldRole)->widget())
                              : nullptr;
            if (label && value && value->accessibleName().isEmpty())
                value->setAccessibleName(label->text().remove(QLatin1Char('&')).remove(kTrailingColon).trimmed());
        }
    } else if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        for (int row = 0; row < grid->rowCount(); ++row) {
            for (int column = 0; column + 1 < grid->columnCount(); ++column) {
                auto* item = grid->itemAtPosition(row, column);
                auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
                if (!label || label->buddy()) continue;
                if (QWidget* field = inputIn(grid->itemAtPosition(row, column + 1))) link(label, field);
            }
        }
    }
}

// Takes the letters of buttons and named labels alike.
struct Keyed {
    QWidget* widget;
    QString text;
};

QString textOf(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    return {};
}

void setTextOf(QWidget* w, const QString& text) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(text);
    else if (auto* l = qobject_cast<QLabel*>(w)) l->setText(text);
}

// A letter a reader takes for the key it is: ASCII letters only (a digit
// reads like part of a value).
bool usable(QChar c) { return c.unicode() < 128 && c.isLetter(); }

}  // namespace

QChar mnemonicOf(const QString& text) {
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toUpper();
    }
    return {};
}

void linkLabels(QWidget& window) {
    for (QLayout* layout : window.findChildren<QLayout*>()) linkInLayout(layout);
}

QWidget* mnemonicScope(const QWidget* w) {
    for (const QWidget* p = w; p && !p->isWindow(); p = p->parentWidget()) {
        const QWidget* stack = p->parentWidget();
        if (stack && qobject_cast<QTabWidget*>(stack->parentWidget()) && stack->inherits("QStackedWidget"))
            return const_cast<QWidget*>(p);
    }
    return nullptr;
}

namespace {

// Marks a free letter in each of `widgets`, `taken` holding those in use.
void markFreeLetters(const std::vector<QWidget*>& widgets, std::set<QChar>& taken) {
    std::vector<QWidget*> unmarked;
    for (QWidget* w : widgets) {
        const QChar mark = mnemonicOf(textOf(w));
        if (!mark.isNull() && taken.insert(mark).second) continue;
        unmarked.push_back(w);
    }
    // The texts without their repeated letters ("&&", a literal "&", stays).
    std::vector<QString> texts;
    for (QWidget* w : unmarked) {
        const QString text = textOf(w);
        QString plain;
        for (int i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('&') && i + 1 < text.size() && text[i + 1] != QLatin1Char('&')) continue;
            if (text[i] == QLatin1Char('&') && i + 1 < text.size()) plain += text[i++];
            plain += text[i];
        }
        texts.push_back(plain);
    }
    // Each text's letters it could mark: word starts, and all of them.
    struct Candidates {
        std::vector<std::pair<QChar, int>> starts, all;
    };
    std::vector<Candidates> candidates(texts.size());
    for (std::size_t w = 0; w < texts.size(); ++w) {
        const QString& text = texts[w];
        for (int i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('&')) {
                ++i;
                continue;
            }
            if (!usable(text[i])) continue;
            const std::pair<QChar, int> choice{text[i].toUpper(), i};
            candidates[w].all.push_back(choice);
            if (i == 0 || !text[i - 1].isLetterOrNumber()) candidates[w].starts.push_back(choice);
        }
    }
    // As many texts as possible get a letter of their own (a bipartite
    // matching, by augmenting paths), word starts where they suffice.
    std::map<QChar, std::size_t> owner;
    std::vector<int> position(texts.size(), -1);
    std::function<bool(std::size_t, bool, std::set<QChar>&)> claim = [&](std::size_t w, bool anyLetter,
                                                                         std::set<QChar>& seen) {
        for (const auto& [letter, at] : anyLetter ? candidates[w].all : candidates[w].starts) {
            if (taken.count(letter) || !seen.insert(letter).second) continue;
            const auto held = owner.find(letter);
            if (held == owner.end() || claim(held->second, anyLetter, seen)) {
                owner[letter] = w;
                position[w] = at;
                return true;
            }
        }
        return false;
    };
    for (const bool anyLetter : {false, true}) {
        for (std::size_t w = 0; w < texts.size(); ++w) {
            if (position[w] >= 0) continue;
            std::set<QChar> seen;
            claim(w, anyLetter, seen);
        }
    }
    for (const auto& entry : owner) taken.insert(entry.first);
    for (std::size_t w = 0; w < texts.size(); ++w) {
        QString text = texts[w];
        // A text without a free letter of its own gets none: an added "(&A)"
        // reads as part of the words, or lands after the colon. The control
        // stays reachable by Tab and through its label.
        if (position[w] >= 0) text.insert(position[w], QLatin1Char('&'));
        setTextOf(unmarked[w], text);
    }
}

}  // namespace

void assignMnemonics(QWidget& window) {
    // The window's own controls, then each tab page's: a page's letters only
    // act while it is shown, so pages may reuse each other's letters, never
    // the window's.
    std::map<QWidget*, std::vector<QWidget*>> scopes;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->window() != &window || qobject_cast<QTabBar*>(w->parentWidget())) continue;
        // The Show buttons beside secrets are reached with Tab from their edit.
        if (qobject_cast<QToolButton*>(w)) continue;
        auto* label = qobject_cast<QLabel*>(w);
        if (label && !label->buddy()) continue;
        if (!label && !qobject_cast<QAbstractButton*>(w)) continue;
        if (label && label->textFormat() == Qt::RichText) continue;
        if (textOf(w).trimmed().isEmpty()) continue;
        scopes[mnemonicScope(w)].push_back(w);
    }
    std::set<QChar> windowLetters;
    markFreeLetters(scopes[nullptr], windowLetters);
    for (auto& [page, widgets] : scopes) {
        if (!page) continue;
        std::set<QChar> taken = windowLetters;
        markFreeLetters(widgets, taken);
    }
}

WindowAccess::WindowAccess(QObject* parent) : QObject(parent) {}

bool WindowAccess::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && dialog->property("corvaneAccess").isNull()) {
            dialog->setProperty("corvaneAccess", true);
            linkLabels(*dialog);
            assignMnemonics(*dialog);
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corvane::widgets
