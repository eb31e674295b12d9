#include "history/change_entries.h"

#include <QCoreApplication>

#include "link/printer_config.h"
#include "link/string_table.h"
#include "rules/record_fields.h"

namespace corvane::history {

namespace {

QString address(link::Ipv4Address a) { return QString::fromStdString(a.text()); }

QString baud(std::uint8_t code) {
    const int index = link::IndexForBaudCode(code);
    if (index < 0) return QStringLiteral("code %1").arg(code);
    const auto entry = link::kBaudEntries[static_cast<std::size_t>(index)];
    return QString::fromLatin1(entry.data(), static_cast<qsizetype>(entry.size()));
}

QString onOff(bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); }

QString macText(const link::MacAddress& mac) { return QString::fromStdString(link::FormatMacUpper(mac)); }

// The fields every line about one LAN printer shares.
Entry lanEntry(const char* frontEnd, const char* action, link::ListMode mode, const QString& localAddress,
               const link::MacAddress& mac) {
    Entry entry;
    entry.frontEnd = QString::fromLatin1(frontEnd);
    entry.action = QString::fromLatin1(action);
    entry.lanMode = mode == link::ListMode::Wlan ? QStringLiteral("wlan") : QStringLiteral("ethernet");
    entry.localAddress = localAddress;
    entry.mac = macText(mac);
    return entry;
}

}  // namespace

QList<Change> recordChanges(const link::PrinterConfig& before, const link::PrinterConfig& after,
                            link::ConfigLayout layout) {
    QList<Change> changes;
    for (const rules::FieldChange& c : rules::DiffRecords(before, after, layout)) {
        changes.append({QString::fromStdString(c.field), QString::fromStdString(c.before),
                        QString::fromStdString(c.after), c.secret});
    }
    return changes;
}

QList<Change> lanChanges(const link::DiscoveredDevice& before, const link::DiscoveredDevice& after) {
    const std::pair<const char*, std::pair<QString, QString>> values[] = {
        {"ipAddress", {address(before.ipAddress()), address(after.ipAddress())}},
        {"subnetMask", {address(before.subnetMask()), address(after.subnetMask())}},
        {"gateway", {address(before.gateway()), address(after.gateway())}},
        {"port", {QString::number(before.port()), QString::number(after.port())}},
        {"inactivityTime", {QString::number(before.inactivityTime()), QString::number(after.inactivityTime())}},
        {"dhcp", {onOff(before.dhcp()), onOff(after.dhcp())}},
        {"baud", {baud(before.baudCode()), baud(after.baudCode())}},
    };
    QList<Change> changes;
    for (const auto& [field, pair] : values) {
        if (pair.first != pair.second) changes.append({QString::fromLatin1(field), pair.first, pair.second, false});
    }
    return changes;
}

Change certificateChange(const QString& kind, std::size_t bytes) {
    return {QStringLiteral("certificate"), QString(), QStringLiteral("%1, %2 bytes").arg(kind).arg(bytes), false};
}

Entry linkEntry(const char* frontEnd, const char* action, const QString& port, const link::MacAddress& mac) {
    Entry entry;
    entry.frontEnd = QString::fromLatin1(frontEnd);
    entry.action = QString::fromLatin1(action);
    entry.linkPort = port;
    entry.mac = macText(mac);
    return entry;
}

QString record(const Entry& entry) {
    QString error;
    return appendEntry(entry, &error) ? QString() : error;
}

QString recordLanSettings(const char* frontEnd, link::ListMode mode, const QString& localAddress,
                          const link::DiscoveredDevice& before, const link::DiscoveredDevice& after, StringId messageId,
                          bool confirmed) {
    Entry entry = lanEntry(frontEnd, kLanSettings, mode, localAddress, after.macAddress());
    entry.changes = lanChanges(before, after);
    entry.outcome = QString::fromLatin1(confirmed ? kConfirmed : kNotConfirmed);
    if (!confirmed) entry.message = QString::fromUtf8(StringText(messageId).data());
    return record(entry);
}

QString recordLanVerification(const char* frontEnd, link::ListMode mode, const QString& localAddress,
                              const link::DiscoveredDevice& sent, const char* outcome, const QString& message) {
    Entry entry = lanEntry(frontEnd, kLanVerification, mode, localAddress, sent.macAddress());
    entry.outcome = QString::fromLatin1(outcome);
    entry.message = message;
    return record(entry);
}

QString notRecordedText(const QString& reason, const QString& outcome) {
    if (outcome == QLatin1String(kConfirmed) || outcome == QLatin1String(kVerified) ||
        outcome == QLatin1String(kNotVerified)) {
        return QCoreApplication::translate("History",
                                           "The change was made, but it could not be added to the history: %1")
            .arg(reason);
    }
    if (outcome == QLatin1String(kNotConfirmed)) {
        return QCoreApplication::translate(
                   "History", "The change may have reached the printer, but it could not be added to the history: %1")
            .arg(reason);
    }
    if (outcome == QLatin1String(kFailed)) {
        return QCoreApplication::translate("History", "The failed attempt could not be added to the history: %1")
            .arg(reason);
    }
    return QCoreApplication::translate("History", "The change could not be added to the history: %1").arg(reason);
}

}  // namespace corvane::history
