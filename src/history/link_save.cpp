#include "history/link_save.h"

#include "history/change_entries.h"
#include "link/exchange/config_exchange.h"
#include "link/string_table.h"

namespace corvane::history {

namespace {

// Outcome and message of a record the printer confirmed: verified when it
// reads back the same, not verified (naming the fields) when it does not.
void judgeReadBack(link::LinkSession& session, const link::PrinterConfig& config, LinkSave& save) {
    const auto back = link::ReadConfig(session.port());
    if (!back) {
        save.entry.outcome = QString::fromLatin1(kConfirmed);
        save.entry.message = session.waits().cancelled()
                                 ? QStringLiteral("the configuration was not read back: cancelled")
                                 : QStringLiteral("the configuration could not be read back: %1")
                                       .arg(QString::fromStdString(back.error().text));
        return;
    }
    const QList<Change> differ = recordChanges(config, back->config, session.layout());
    if (differ.isEmpty()) {
        save.entry.outcome = QString::fromLatin1(kVerified);
        return;
    }
    for (const Change& c : differ) save.differing << c.field;
    save.entry.outcome = QString::fromLatin1(kNotVerified);
    save.entry.message = QStringLiteral("the printer confirmed but reads back other values for: %1")
                             .arg(save.differing.join(QLatin1String(", ")));
}

// The outcome and message of a change that did not end confirmed.
void judgeFailure(const QString& cause, StringId failedText, LinkSave& save) {
    save.cause = cause;
    const QString failed = QString::fromUtf8(StringText(failedText).data());
    switch (save.delivery) {
    case link::Delivery::Confirmed: break;
    case link::Delivery::Unconfirmed:
        save.entry.outcome = QString::fromLatin1(kNotConfirmed);
        save.entry.message = save.cancelled ? QStringLiteral("sent; cancelled before the printer confirmed")
                                            : QStringLiteral("sent; %1").arg(cause);
        break;
    case link::Delivery::Refused:
        save.entry.outcome = QString::fromLatin1(kFailed);
        save.entry.message = QStringLiteral("%1 (%2)").arg(failed, cause);
        break;
    case link::Delivery::NotSent:
        save.entry.outcome = QString::fromLatin1(kFailed);
        save.entry.message = save.cancelled ? QStringLiteral("cancelled; the change was not sent whole")
                                            : QStringLiteral("%1 (%2)").arg(failed, cause);
        break;
    }
}

void append(LinkSave& save) {
    if (const QString reason = record(save.entry); !reason.isEmpty())
        save.notRecorded = notRecordedText(reason, save.entry.outcome);
}

}  // namespace

LinkSave saveAndRecord(link::LinkSession& session, const link::PrinterConfig& before, const link::PrinterConfig& config,
                       Entry entry) {
    LinkSave save;
    save.entry = std::move(entry);
    save.entry.changes = recordChanges(before, config, session.layout());
    bool sent = false;
    const link::Result<void> result = session.save(config, [&sent] { sent = true; });
    save.delivery = link::DeliveryOf(result, sent);
    save.cancelled = session.waits().cancelled();
    if (save.delivery == link::Delivery::Confirmed) {
        judgeReadBack(session, config, save);
        // A stop during the read-back is a stop too: the caller ends with its code.
        save.cancelled = session.waits().cancelled();
    } else {
        judgeFailure(result ? QString() : QString::fromStdString(result.error().text), kConfigFailed, save);
    }
    append(save);
    return save;
}

LinkSave recordCertificateUpload(Entry entry, link::Delivery delivery, const QString& cause, bool cancelled) {
    LinkSave save;
    save.entry = std::move(entry);
    save.delivery = delivery;
    save.cancelled = cancelled;
    if (save.delivery == link::Delivery::Confirmed) save.entry.outcome = QString::fromLatin1(kConfirmed);
    else judgeFailure(cause, kCertificateUploadFailed, save);
    append(save);
    return save;
}

}  // namespace corvane::history
