// Why a link could not be opened, and the result type that carries it.
#pragma once

#include <string>

#include "link/result.h"

namespace corvane::link {

struct OpenError {
    // The system's error number (errno), 0 when the cause is no system error
    // (a printer that is not ready, say).
    int code = 0;
    // The system's words for the cause, or what was wrong.
    std::string reason;
    // The device node that was to be opened.
    std::string device;
};

using OpenResult = Result<void, OpenError>;

}  // namespace corvane::link
