#include "link/link_port.h"

#include <thread>

namespace corvane::link {

std::size_t SendRequest(LinkPort& port, ByteSpan request) {
    port.DiscardInput();
    return port.Write(request);
}

SleepFn BlockingSleep() {
    return [](std::chrono::milliseconds wait) { std::this_thread::sleep_for(wait); };
}

}  // namespace corvane::link
