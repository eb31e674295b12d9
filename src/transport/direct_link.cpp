#include "transport/direct_link.h"

namespace corvane::transport {

void DirectLink::setTimeouts(const LinkTimeouts& timeouts) {
    serial_.setTimeouts(timeouts);
    raw_.setTimeouts(timeouts);
}

void DirectLink::setReadRule(LinkReadRule rule) {
    serial_.setReadRule(rule);
    raw_.setReadRule(rule);
}

void DirectLink::setIdleHook(const std::function<void()>& idle) {
    serial_.setIdleHook(idle);
    raw_.setIdleHook(idle);
}

void DirectLink::setCancelToken(const link::CancelToken* cancel) {
    serial_.setCancelToken(cancel);
    raw_.setCancelToken(cancel);
}

link::OpenResult DirectLink::Open() {
    if (!usb_) raw_.Close();
    return chosen().Open();
}

DirectLink& programLink() {
    static DirectLink link;
    return link;
}

}  // namespace corvane::transport
