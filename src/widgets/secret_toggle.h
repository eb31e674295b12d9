// A "Show" button beside a password, key or PIN edit: the edit starts
// masked, the button shows and hides what is typed. It follows the edit's
// enabled state and visibility, so a page that hides or disables the edit
// need not know about it.
#pragma once

#include <QToolButton>

class QLineEdit;

namespace corvane::widgets {

class SecretToggle : public QToolButton {
    Q_OBJECT
public:
    // Masks `edit` and puts the button right of it, in the edit's place in
    // its layout. The button is named after the edit plus "Show".
    static SecretToggle* attach(QLineEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    explicit SecretToggle(QLineEdit* edit, QWidget* parent);
    void retranslate();

    QLineEdit* edit_;
};

}  // namespace corvane::widgets
