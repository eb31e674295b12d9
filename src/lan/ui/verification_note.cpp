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

VerificationNote verificationNote(const link::DiscoveredDevice& /*sent*/, const Verification& verification) {
    VerificationNote note;
    const link::DiscoveredDevice& found = verification.found;
    if (verification.verified()) {
        note.verified = true;
        note.text = QCoreApplication::translate("VerificationNote", "Verified: now at %1, port %2")
                        .arg(QString::fromStdString(found.ipAddress().text()))
                        .arg(found.port());
        return note;
    }
    if (verification.cancelled) {
        note.text = QCoreApplication::translate("VerificationNote", "Not verified: the check was cancelled.");
        return note;
    }
    if (!verification.answered) {
        note.text = QCoreApplication::translate(
            "VerificationNote", "Not verified: the printer did not answer the search after the change.");
        return note;
    }
    if (verification.differences.empty()) {
        note.text = QCoreApplication::translate("VerificationNote",
                                                "Not verified: DHCP is on and the printer has no address yet.");
        return note;
    }
    QStringList parts;
    for (const auto& d : verification.differences) {
        parts << QCoreApplication::translate("VerificationNote", "%1 %2 instead of %3")
                     .arg(fieldName(d.field), QString::fromStdString(d.found), QString::fromStdString(d.sent));
    }
    note.text = QCoreApplication::translate("VerificationNote", "Not verified: the printer reports %1.")
                    .arg(parts.join(QStringLiteral("; ")));
    return note;
}

}  // namespace corvane::lan
