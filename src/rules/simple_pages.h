// The enabling of the BSS and Certificate pages, which have no rules of their
// own beyond following the link state.
#pragma once

#include "control_state.h"

namespace corvane::rules {

enum class BssControl : int { List = 1032, GetButton = 1033, Progress = 1034 };

class BssPage {
public:
    // Enabling also asks for the list to be emptied: a new printer, a new survey.
    void enableControls(bool on) {
        if (on) ++clearRequests_;
        controls_.enable(BssControl::List, on);
        controls_.enable(BssControl::GetButton, on);
    }
    // How many times the list was asked to be emptied.
    int clearRequests() const { return clearRequests_; }
    const ControlStates<BssControl>& controls() const { return controls_; }

private:
    ControlStates<BssControl> controls_;
    int clearRequests_ = 0;
};

enum class CertificateControl : int {
    CaRadio = 1066,
    ClientKeyRadio = 1067,
    ClientPemRadio = 1068,
    Progress = 1069,
    UploadButton = 1070,
    OpenButton = 1071,
    PathEdit = 1072,
};

class CertificatePage {
public:
    void enableControls(bool on) {
        for (auto c : {CertificateControl::CaRadio, CertificateControl::ClientKeyRadio,
                       CertificateControl::ClientPemRadio, CertificateControl::OpenButton,
                       CertificateControl::PathEdit, CertificateControl::UploadButton})
            controls_.enable(c, on);
    }
    const ControlStates<CertificateControl>& controls() const { return controls_; }

private:
    ControlStates<CertificateControl> controls_;
};

}  // namespace corvane::rules
