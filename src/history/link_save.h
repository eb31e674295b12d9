// One "save and record" step for a configuration record sent over the direct
// link, shared by the window's Save, `corvane link write` and `corvane link
// apply`: send the record, read it back when the printer confirmed it, and
// append the outcome to the history before anyone is told. What the printer
// may have taken is never recorded as failed: a record that went out whole
// and got no readable answer (or whose wait was cancelled) is "not
// confirmed"; "failed" is kept for a printer that answered no and for a
// record that never went out.
#pragma once

#include <QString>
#include <QStringList>

#include "history/history_log.h"
#include "link/exchange/delivery.h"
#include "link/exchange/link_session.h"
#include "link/printer_config.h"

namespace corvane::history {

struct LinkSave {
    link::Delivery delivery = link::Delivery::NotSent;
    bool cancelled = false;  // the session's cancel request was set
    Entry entry;             // the line as appended: changes, outcome, message
    QString cause;           // why it did not end confirmed, from the exchange
    // Why the line could not be appended, worded for the user; empty when it was.
    QString notRecorded;
    QStringList differing;  // the fields read back with other values than sent

    // Confirmed, and not read back with other values.
    bool succeeded() const {
        return delivery == link::Delivery::Confirmed && entry.outcome != QLatin1String(kNotVerified);
    }
};

// Sends `config` through `session` (connected), `before` being what the
// printer held; `entry` names the front end, action, port and MAC
// (linkEntry). The history line is written before this returns.
LinkSave saveAndRecord(link::LinkSession& session, const link::PrinterConfig& before, const link::PrinterConfig& config,
                       Entry entry);

// The line of a certificate upload, appended before anyone is told. `entry`
// holds the certificate change (certificateChange); `delivery` counts the
// upload as sent once its CERTEND chunk went out (the printer may hold the
// whole certificate from then on); `cause` says why it did not end confirmed.
LinkSave recordCertificateUpload(Entry entry, link::Delivery delivery, const QString& cause, bool cancelled);

}  // namespace corvane::history
