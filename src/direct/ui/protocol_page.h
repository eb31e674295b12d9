// Tab 1, "Protocol": mirrors rules::ProtocolPage.
#pragma once

#include <memory>

#include "rules/protocol_page.h"
#include "direct/ui/config_page.h"
#include "direct/ui/control_sync.h"

namespace Ui {
class ProtocolPage;
}

namespace corvane::direct {

class ProtocolPage : public ConfigPage {
    Q_OBJECT
public:
    ProtocolPage(rules::ProtocolPage& model, NoticeSink notices, QWidget* parent = nullptr);
    ~ProtocolPage() override;

    void render() override;
    QWidget* controlWidget(int id) const override;

private:
    rules::ProtocolPage& model_;
    NoticeSink notices_;
    std::unique_ptr<Ui::ProtocolPage> ui_;
};

}  // namespace corvane::direct
