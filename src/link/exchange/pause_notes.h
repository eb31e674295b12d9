// Where the exchanges' own pauses are told about: the wire log notes each
// pause's start and end beside the bytes, so a log shows why the line was
// quiet. One observer for the whole program; none by default.
#pragma once

#include <chrono>
#include <string_view>

namespace corvane::link {

// `ended` is false as a pause starts and true once it is over (early when
// cancelled). Called on the thread that pauses.
using PauseObserver = void (*)(std::string_view what, std::chrono::milliseconds wait, bool ended);

void SetPauseObserver(PauseObserver observer);
void NotePause(std::string_view what, std::chrono::milliseconds wait, bool ended);

}  // namespace corvane::link
