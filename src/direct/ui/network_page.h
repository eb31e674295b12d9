// Tab 3, "Network": mirrors rules::NetworkPage.
#pragma once

#include <memory>

#include "rules/network_page.h"
#include "direct/ui/config_page.h"
#include "direct/ui/edit_notices.h"
#include "direct/ui/control_sync.h"

namespace Ui {
class NetworkPage;
}

namespace corvane::direct {

class NetworkPage : public ConfigPage {
    Q_OBJECT
public:
    NetworkPage(rules::NetworkPage& model, NoticeSink notices, QWidget* parent = nullptr);
    ~NetworkPage() override;

    void render() override;
    QWidget* controlWidget(int id) const override;

private:
    // Shows the model and then what a click or edit asked for.
    void after(const rules::MaybeNotice& notice);

    rules::NetworkPage& model_;
    NoticeSink notices_;
    EditNotices* held_;  // range messages of the number edits
    std::unique_ptr<Ui::NetworkPage> ui_;
};

}  // namespace corvane::direct
