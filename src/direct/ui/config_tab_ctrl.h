// The tab control of the direct configuration window: hosts the six pages in
// tab order, runs the check of the page being left and, when it fails, puts
// the selection back on that page with the focus on the failing control.
#pragma once

#include <array>

#include <QTabWidget>

#include "rules/config_tab_ctrl.h"
#include "direct/ui/certificate_page.h"
#include "direct/ui/config_page.h"
#include "direct/ui/link_access.h"

namespace corvane::direct {

class SystemPage;
class ProtocolPage;
class BssPage;
class NetworkPage;
class SecurityPage;

class ConfigTabCtrl : public QTabWidget {
    Q_OBJECT
public:
    explicit ConfigTabCtrl(QWidget* parent = nullptr);

    // Creates the six pages over `model` and inserts their tabs, labelled in
    // the current language.
    void createPages(rules::ConfigTabCtrl& model, LinkAccess& link, FileChooser chooser);
    // Every page shows its model again.
    void renderPages();

    ConfigPage* page(int index) const;
    SystemPage* systemPage() const;
    ProtocolPage* protocolPage() const;
    BssPage* bssPage() const;
    NetworkPage* networkPage() const;
    SecurityPage* securityPage() const;
    CertificatePage* certificatePage() const;

    // The widget of control `id` on page `tab`, or nullptr.
    QWidget* controlWidget(int tab, int id) const;
    // Shows a rule's message and moves the focus to its control.
    void presentNotice(const rules::Notice& notice);

private:
    void onCurrentChanged(int index);

    rules::ConfigTabCtrl* model_ = nullptr;
    std::array<ConfigPage*, rules::kTabCount> pages_{};
};

}  // namespace corvane::direct
