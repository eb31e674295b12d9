// The tab host of the direct configuration window: owns the six pages, checks
// the page the user is leaving and puts the selection back when that check
// fails, and validates the shown page before a save.
#pragma once

#include "rules/certificate_page.h"
#include "rules/control_state.h"
#include "rules/network_page.h"
#include "rules/protocol_page.h"
#include "rules/security_page.h"
#include "rules/simple_pages.h"
#include "rules/system_page.h"
#include "rules/working_values.h"

namespace corvane::rules {

class ConfigTabCtrl {
public:
    explicit ConfigTabCtrl(WindowContext& context);
    ConfigTabCtrl(const ConfigTabCtrl&) = delete;
    ConfigTabCtrl& operator=(const ConfigTabCtrl&) = delete;

    int currentTab() const { return currentTab_; }

    // The user asks for another tab: the page being left is checked first.
    // On failure the notice is returned and the selection stays (or returns)
    // on the page being left; otherwise `index` becomes the shown page.
    MaybeNotice selectTab(int index);

    // The same in the two steps of a tab control's notifications.
    MaybeNotice selectionChanging();
    // Gives true when `index` is now shown, false when the selection went
    // back to the page that was left.
    bool selectionChanged(int index);

    // Shows the current page; the Security page is refreshed each time it is
    // shown, so it follows a network mode chosen meanwhile.
    void showCurrentPage();

    // The rules of leaving `tab`; BSS and Certificate have none.
    MaybeNotice leaveCheck(int tab) const;
    // The checks a save runs on the shown page.
    MaybeNotice validateCurrentPage() const;

    // An access point chosen from the survey: its name into the Network
    // page's SSID and, where its flags name one, its authentication onto the
    // Security page, as if typed and clicked there (a disabled radio stays as
    // it is); then the Network page is selected, the page being left checked
    // as for any tab change.
    MaybeNotice useSurveyedNetwork(std::string_view ssid, std::uint8_t securityFlags);

    // The page a failed check sends the selection back to, while pending.
    int leavingPage() const { return leavingPage_; }
    bool returnPending() const { return returnPending_; }

    SystemPage system;
    ProtocolPage protocol;
    BssPage bss;
    NetworkPage network;
    SecurityPage security;
    CertificatePage certificate;

private:
    int currentTab_ = 0;
    int leavingPage_ = 0;
    bool returnPending_ = false;
};

}  // namespace corvane::rules
