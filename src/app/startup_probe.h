// The start-up benchmark's hook (bench/startup.cpp). With CORVANE_EXIT_WHEN_SHOWN
// set in the environment, once `window` has been painted for the first time
// the program prints "shown <nanoseconds>" (the monotonic clock, comparable
// with the benchmark's) on stdout and closes the window, which ends it.
// Without the variable nothing is installed.
#pragma once

class QDialog;

namespace corvane::app {

void exitWhenShownIfAsked(QDialog& window);

}  // namespace corvane::app
