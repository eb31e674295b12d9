#include "lan/ui/verification_note.h"

#include <QCoreApplication>
#include <QStringList>

#include "rules/lan_verify.h"

namespace corvane::lan {

namespace {

// The settings' names as the settings window labels them.
QString fieldName(const std::string& field) {
    if (field == "ip") return QCoreApplication::translate("VerificationNote", "IP address");
    if (field == "mask") return QCoreApplication::translate("VerificationNote", "subnet mask");
    if (field == "gateway") return QCoreApplication::translate("VerificationNote", "gateway");
    if (field == "port") return QCoreApplication::translate("VerificationNote", "port");
    if (field == "inactivity") return QCoreApplication::translate("VerificationNote", "inactivity time");
    if (field == "dhcp") return QCoreApplication::translate("VerificationNote", "DHCP");
    return QCoreApplication::translate("VerificationNote", "baud rate code");
}

}  // namespace

VerificationNote verificationNote(const DiscoveredDevice& sent, const DeviceList& list) {
    VerificationNote note;
    const DiscoveredDevice* found = nullptr;
    for (int n = 1; const DiscoveredDevice* d = list.deviceAt(n); ++n) {
        if (d->macAddress() == sent.macAddress()) {
            found = d;
            note.number = n;
            break;
        }
    }
    if (!found) {
        note.text = QCoreApplication::translate(
            "VerificationNote", "Not verified: the printer did not answer the search after the change.");
        return note;
    }
    const auto differences = rules::CompareWithSent(sent, *found);
    if (differences.empty()) {
        const auto ip = found->ipAddress();
        note.verified = true;
        note.text = QCoreApplication::translate("VerificationNote", "Verified: now at %1, port %2")
                        .arg(QStringLiteral("%1.%2.%3.%4").arg(ip[0]).arg(ip[1]).arg(ip[2]).arg(ip[3]))
                        .arg(found->port());
        return note;
    }
    QStringList parts;
    for (const auto& d : differences) {
        parts << QCoreApplication::translate("VerificationNote", "%1 %2 instead of %3")
                     .arg(fieldName(d.field), QString::fromStdString(d.found), QString::fromStdString(d.sent));
    }
    note.text = QCoreApplication::translate("VerificationNote", "Not verified: the printer reports %1.")
                    .arg(parts.join(QStringLiteral("; ")));
    return note;
}

}  // namespace corvane::lan
