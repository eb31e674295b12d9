// Waiting on the printer without freezing the window's drawing: the long
// blocking reads and pauses of the direct-link exchanges let the window
// repaint (but take no user input) and show a busy cursor meanwhile.
#pragma once

#include "link/link_port.h"

namespace corvane::ui {

// Handles pending paint and timer events, never user input.
void keepPainted();

// A pause that keeps the window painted.
link::SleepFn paintingSleep();

// The busy cursor for as long as it lives.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace corvane::ui
