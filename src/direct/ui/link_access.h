// What the BSS and Certificate pages reach of the window's link: the port
// every exchange goes through, whether a printer is connected, how to wait
// (and whether the user cancelled), the survey table the window keeps, how
// an exchange is run, and the history line of a certificate upload.
#pragma once

#include <functional>

#include <QString>

#include "link/bss.h"
#include "link/exchange/delivery.h"
#include "link/exchange/exchange_limits.h"
#include "link/exchange/link_waits.h"
#include "link/link_port.h"
#include "rules/working_values.h"

namespace corvane::direct {

struct LinkAccess {
    link::LinkPort& port;
    const rules::WindowContext& context;
    link::LinkWaits waits;
    link::ExchangeLimits limits;
    BssTable bssTable{};
    // Runs `job` on the window's link thread while the window shows progress
    // and Cancel; `done` then runs on the window's thread. A page's job
    // touches the port and its own copies only, never a widget.
    std::function<void(std::function<void()> job, std::function<void()> done)> run;
    // Writes an upload's history line (called by the job, so the line is
    // written even when the window closes meanwhile); what could not be
    // recorded, or empty.
    std::function<QString(int type, qint64 bytes, link::Delivery delivery, const QString& cause)> recordUpload;
};

}  // namespace corvane::direct
