// Tab 4, "Authentication": mirrors rules::SecurityPage.
#pragma once

#include <memory>

#include "rules/security_page.h"
#include "direct/ui/config_page.h"
#include "direct/ui/control_sync.h"

class QAbstractButton;

namespace Ui {
class SecurityPage;
}

namespace corvane::direct {

class SecurityPage : public ConfigPage {
    Q_OBJECT
public:
    SecurityPage(rules::SecurityPage& model, NoticeSink notices, QWidget* parent = nullptr);
    ~SecurityPage() override;

    void render() override;
    QWidget* controlWidget(int id) const override;

private:
    rules::SecurityPage& model_;
    NoticeSink notices_;
    std::unique_ptr<Ui::SecurityPage> ui_;
    std::vector<std::pair<QAbstractButton*, rules::SecurityControl>> radios_;
};

}  // namespace corvane::direct
