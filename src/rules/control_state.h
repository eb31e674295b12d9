// What a window shows of one control, and the requests a rule makes of the
// window (a message to show, a control to focus). The widgets mirror these.
#pragma once

#include <map>
#include <optional>
#include <string_view>

#include "link/string_table.h"

namespace corvane::rules {

// Tab positions of the direct configuration window; also names the page a
// notice belongs to.
enum class Tab : int { System = 0, Protocol = 1, Bss = 2, Network = 3, Security = 4, Certificate = 5 };
inline constexpr int kTabCount = 6;
// A notice of the window itself rather than of a page.
inline constexpr int kWindowScope = -1;

struct ControlState {
    bool enabled = false;  // every input control starts disabled
    bool visible = true;
    bool checked = false;  // radios
    // Edits of a record text field: the field's name. What may be typed in
    // follows that field's entry rule (text_entry.h); empty for other controls.
    std::string_view field;
    int selection = -1;  // lists: selected index, -1 none
    StringId labelId{};  // labels whose text changes at run time: string number; 0 = template text
};

// The states of one page's controls, keyed by the page's control enum.
template <typename Control>
class ControlStates {
public:
    ControlState& operator[](Control c) { return states_[c]; }
    const ControlState& operator[](Control c) const {
        static const ControlState kDefault{};
        auto it = states_.find(c);
        return it == states_.end() ? kDefault : it->second;
    }
    void enable(Control c, bool on) { states_[c].enabled = on; }
    void show(Control c, bool on) { states_[c].visible = on; }
    void check(Control c, bool on) { states_[c].checked = on; }

private:
    std::map<Control, ControlState> states_;
};

// A message box (caption string 52, one OK button) and the control that gets
// the focus afterwards. `scope` is the tab whose control is meant, or
// kWindowScope for a control of the window.
struct Notice {
    StringId message{};
    int scope = kWindowScope;
    int focus = 0;            // control number; 0 = leave the focus alone
    bool focusFirst = false;  // move the focus before the message is shown

    bool operator==(const Notice&) const = default;
};

// The number a notice names a control by.
template <typename Control>
constexpr int ControlNumber(Control control) {
    return static_cast<int>(control);
}

inline Notice PageNotice(Tab tab, StringId message, int focus, bool focusFirst = false) {
    return Notice{message, static_cast<int>(tab), focus, focusFirst};
}

using MaybeNotice = std::optional<Notice>;

}  // namespace corvane::rules
