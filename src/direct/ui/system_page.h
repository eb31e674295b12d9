// Tab 0, "System & Information": mirrors rules::SystemPage.
#pragma once

#include <memory>

#include "rules/system_page.h"
#include "direct/ui/config_page.h"
#include "direct/ui/edit_notices.h"
#include "direct/ui/control_sync.h"

namespace Ui {
class SystemPage;
}

namespace corvane::direct {

class SystemPage : public ConfigPage {
    Q_OBJECT
public:
    SystemPage(rules::SystemPage& model, NoticeSink notices, QWidget* parent = nullptr);
    ~SystemPage() override;

    void render() override;
    QWidget* controlWidget(int id) const override;

private:
    void edited(rules::SystemControl control, const QString& text);

    rules::SystemPage& model_;
    NoticeSink notices_;
    EditNotices* held_;  // range messages of the number edits
    std::unique_ptr<Ui::SystemPage> ui_;
};

}  // namespace corvane::direct
