// Tab 2, "BSS Information": the access points the printer sees, asked for
// over the direct link.
#pragma once

#include <memory>

#include "rules/simple_pages.h"
#include "direct/ui/config_page.h"
#include "direct/ui/link_access.h"

namespace Ui {
class BssPage;
}

namespace corvane::direct {

class BssPage : public ConfigPage {
    Q_OBJECT
public:
    BssPage(rules::BssPage& model, LinkAccess& link, QWidget* parent = nullptr);
    ~BssPage() override;

    void render() override;
    QWidget* controlWidget(int id) const override;

    // Handler of "Get BSS information".
    void onGetBssInformation();
    void showBssTable(const BssTable& table);

signals:
    // The user chose the access point at `index` of the window's survey
    // table (double-click or "Use this network").
    void networkChosen(int index);

private:
    void chooseSelected();
    void fitColumns();
    void updateUseButton();

    rules::BssPage& model_;
    LinkAccess& link_;
    std::unique_ptr<Ui::BssPage> ui_;
    int clearsDone_ = 0;
};

}  // namespace corvane::direct
