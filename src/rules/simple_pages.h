// The enabling of the BSS page, which has no rules of its own beyond
// following the link state.
#pragma once

#include "rules/control_state.h"

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

}  // namespace corvane::rules
