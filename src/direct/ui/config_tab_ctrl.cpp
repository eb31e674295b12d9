#include "direct/ui/config_tab_ctrl.h"

#include <QSignalBlocker>

#include "link/string_table.h"
#include "direct/ui/bss_page.h"
#include "direct/ui/network_page.h"
#include "direct/ui/protocol_page.h"
#include "direct/ui/security_page.h"
#include "direct/ui/system_page.h"
#include "widgets/translation.h"

namespace corvane::direct {

using rules::Tab;

ConfigTabCtrl::ConfigTabCtrl(QWidget* parent) : QTabWidget(parent) {
    connect(this, &QTabWidget::currentChanged, this, &ConfigTabCtrl::onCurrentChanged);
}

void ConfigTabCtrl::createPages(rules::ConfigTabCtrl& model, LinkAccess& link, FileChooser chooser) {
    model_ = &model;
    const NoticeSink notices = [this](const rules::Notice& notice) { presentNotice(notice); };
    pages_ = {
        new SystemPage(model.system, notices, this),
        new ProtocolPage(model.protocol, notices, this),
        new BssPage(model.bss, link, this),
        new NetworkPage(model.network, notices, this),
        new SecurityPage(model.security, notices, this),
        new CertificatePage(model.certificate, link, std::move(chooser), this),
    };
    const StringId labels[] = {kTabSystem, kTabProtocol, kTabBss, kTabNetwork, kTabAuthentication, kTabCertification};
    const QSignalBlocker block(this);
    for (int i = 0; i < rules::kTabCount; ++i) {
        // A tab's "&" marks a shortcut letter; "System & Information" means
        // the character itself.
        QString label = widgets::stringText(labels[i]);
        label.replace(QLatin1Char('&'), QLatin1String("&&"));
        addTab(pages_[static_cast<std::size_t>(i)], label);
    }
    setCurrentIndex(model.currentTab());
    connect(bssPage(), &BssPage::networkChosen, this, [this, table = &link.bssTable](int index) {
        if (index < 0 || index >= static_cast<int>(table->size())) return;
        const BssEntry& entry = (*table)[static_cast<std::size_t>(index)];
        const auto notice = model_->useSurveyedNetwork(BssSsid(entry), entry.security);
        {
            const QSignalBlocker quiet(this);
            setCurrentIndex(model_->currentTab());
        }
        renderPages();
        if (notice) presentNotice(*notice);
    });
}

void ConfigTabCtrl::renderPages() {
    for (auto* p : pages_)
        if (p) p->render();
}

ConfigPage* ConfigTabCtrl::page(int index) const {
    return index >= 0 && index < rules::kTabCount ? pages_[static_cast<std::size_t>(index)] : nullptr;
}

template <typename Page>
static Page* as(ConfigPage* page) {
    return static_cast<Page*>(page);
}

SystemPage* ConfigTabCtrl::systemPage() const { return as<SystemPage>(page(static_cast<int>(Tab::System))); }
ProtocolPage* ConfigTabCtrl::protocolPage() const { return as<ProtocolPage>(page(static_cast<int>(Tab::Protocol))); }
BssPage* ConfigTabCtrl::bssPage() const { return as<BssPage>(page(static_cast<int>(Tab::Bss))); }
NetworkPage* ConfigTabCtrl::networkPage() const { return as<NetworkPage>(page(static_cast<int>(Tab::Network))); }
SecurityPage* ConfigTabCtrl::securityPage() const { return as<SecurityPage>(page(static_cast<int>(Tab::Security))); }
CertificatePage* ConfigTabCtrl::certificatePage() const {
    return as<CertificatePage>(page(static_cast<int>(Tab::Certificate)));
}

QWidget* ConfigTabCtrl::controlWidget(int tab, int id) const {
    auto* p = page(tab);
    return p ? p->controlWidget(id) : nullptr;
}

void ConfigTabCtrl::presentNotice(const rules::Notice& notice) {
    QWidget* parent = page(notice.scope) ? page(notice.scope) : static_cast<QWidget*>(this);
    direct::presentNotice(parent, notice, [this](int scope, int id) { return controlWidget(scope, id); });
}

void ConfigTabCtrl::onCurrentChanged(int index) {
    if (!model_) return;
    const auto notice = model_->selectionChanging();
    if (!model_->selectionChanged(index)) {
        // Back to the page being left, without running this handler again:
        // it stays on screen and its failing control gets the focus.
        const QSignalBlocker block(this);
        setCurrentIndex(model_->currentTab());
    }
    // Showing a page may have refreshed it (the Security page follows the
    // network mode chosen meanwhile).
    if (auto* shown = page(model_->currentTab())) shown->render();
    if (notice) presentNotice(*notice);
}

}  // namespace corvane::direct
