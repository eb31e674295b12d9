// The launcher: the three ways into the tool. Each button opens a fresh modal
// window; Exit ends the program; History lists the changes the tool sent;
// About shows the version and licence.
#pragma once

#include <memory>

#include <QDialog>

namespace Ui {
class LauncherDialog;
}

namespace corvane::app {

class LauncherDialog : public QDialog {
    Q_OBJECT
public:
    explicit LauncherDialog(QWidget* parent = nullptr);
    ~LauncherDialog() override;

private:
    std::unique_ptr<Ui::LauncherDialog> ui_;
};

}  // namespace corvane::app
