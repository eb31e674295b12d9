#include "widgets/secret_toggle.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLayout>
#include <QLineEdit>

namespace corvane::widgets {

namespace {}  // namespace

SecretToggle* SecretToggle::attach(QLineEdit* edit) {
    QWidget* parent = edit->parentWidget();
    // A holder takes the edit's place, so grid and form layouts keep their
    // rows and columns.
    auto* holder = new QWidget(parent);
    holder->setObjectName(edit->objectName() + QStringLiteral("Holder"));
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    if (parent && parent->layout()) {
        // The layout the edit sits in may be nested inside the page's.
        for (QLayout* layout : parent->findChildren<QLayout*>()) {
            if (layout->indexOf(edit) >= 0) {
                delete layout->replaceWidget(edit, holder);
                break;
            }
        }
    }
    holder->setLayout(row);
    row->addWidget(edit);
    auto* toggle = new SecretToggle(edit, holder);
    row->addWidget(toggle);
    return toggle;
}

SecretToggle::SecretToggle(QLineEdit* edit, QWidget* parent) : QToolButton(parent), edit_(edit) {
    setObjectName(edit->objectName() + QStringLiteral("Show"));
    setCheckable(true);
    setFocusPolicy(Qt::TabFocus);
    const QIcon eye =
        QIcon::fromTheme(QStringLiteral("view-reveal-symbolic"), QIcon::fromTheme(QStringLiteral("view-visible")));
    if (!eye.isNull()) setIcon(eye);
    // Without an icon theme the button says what it does in words.
    setToolButtonStyle(eye.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
    edit->setEchoMode(QLineEdit::Password);
    connect(this, &QToolButton::toggled, edit,
            [edit](bool shown) { edit->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password); });
    edit->installEventFilter(this);
    setEnabled(edit->isEnabled());
    retranslate();
}

void SecretToggle::retranslate() {
    setText(QCoreApplication::translate("SecretToggle", "Show"));
    setToolTip(QCoreApplication::translate("SecretToggle", "Show or hide what is typed"));
    setAccessibleName(QCoreApplication::translate("SecretToggle", "Show %1").arg(edit_->accessibleName()).trimmed());
}

bool SecretToggle::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_) {
        switch (event->type()) {
        case QEvent::EnabledChange: setEnabled(edit_->isEnabled()); break;
        case QEvent::ShowToParent: show(); break;
        case QEvent::HideToParent: hide(); break;
        default: break;
        }
    }
    return QToolButton::eventFilter(watched, event);
}

void SecretToggle::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QToolButton::changeEvent(event);
}

}  // namespace corvane::widgets
