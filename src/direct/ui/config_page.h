// What the tab host needs of each of its six pages: show the model's state
// again, and name the widget of a control number (for the focus a rule asks
// for).
#pragma once

#include <QWidget>

namespace corvane::direct {

class ConfigPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Model state into the widgets.
    virtual void render() = 0;
    // The widget of control `id`, or nullptr.
    virtual QWidget* controlWidget(int id) const = 0;
};

}  // namespace corvane::direct
