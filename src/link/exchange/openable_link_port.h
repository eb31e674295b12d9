// A link that the connect sequence can open and close itself: the serial port
// or USB printer device behind the direct configuration window, or a test
// double. The exchanges that only talk take the plain LinkPort.
#pragma once

#include "link/link_port.h"
#include "link/open_result.h"

namespace corvane::link {

class OpenableLinkPort : public LinkPort {
public:
    // Opens and configures the device named beforehand; on failure, why.
    virtual OpenResult Open() = 0;
    // Releases the device; harmless when it is not open.
    virtual void Close() = 0;
};

}  // namespace corvane::link
