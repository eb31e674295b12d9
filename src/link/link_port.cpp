#include "link_port.h"

#include <thread>

namespace corvane::link {

SleepFn BlockingSleep() {
    return [](std::chrono::milliseconds wait) { std::this_thread::sleep_for(wait); };
}

}  // namespace corvane::link
