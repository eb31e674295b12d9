// What keyboard and screen-reader users need from every window, given to
// each dialog as it is shown:
//  - each input control named by the label beside it in its form or grid
//    row (the label becomes its buddy), so a screen reader says what it is;
//  - an Alt letter on every button and on every label that names a control,
//    unique within the window, in whatever language the texts are. A letter
//    a text already marks is kept when it is free; the others take the first
//    free letter that starts a word, then any free letter; a text with no
//    free Latin letter or digit (Chinese, Japanese, Korean) gets one appended
//    in brackets, "(&A)", as those languages write it.
#pragma once

#include <QObject>
#include <QStringList>

class QWidget;

namespace corvane::widgets {

void linkLabels(QWidget& window);
void assignMnemonics(QWidget& window);

// Where a widget's Alt letter must be unique: the tab page it is on, or
// null for the window's own controls.
QWidget* mnemonicScope(const QWidget* w);

// The letter `text` marks with "&", or a null QChar.
QChar mnemonicOf(const QString& text);

// Runs both for every dialog when it is shown, while it lives (the
// application object installs one).
class WindowAccess : public QObject {
public:
    explicit WindowAccess(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace corvane::widgets
