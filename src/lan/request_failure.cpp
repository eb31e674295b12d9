#include "lan/request_failure.h"

#include <QCoreApplication>

#include "link/string_table.h"

namespace corvane::lan {

namespace {

QString translated(StringId stringId) {
    return QCoreApplication::translate(kStringTableContext, StringText(stringId).data());
}

}  // namespace

QString numberedText(StringId stringId, const QString& argument) { return translated(stringId).arg(argument); }

QString channelFailureText(const ChannelFailure& failure) {
    switch (failure.cause) {
    case ChannelFailure::Cause::LocalAddress: return numberedText(kLocalAddressUnusable, failure.localAddress);
    case ChannelFailure::Cause::LocalPort: return numberedText(kLocalPortUnusable, QString::number(failure.localPort));
    case ChannelFailure::Cause::PortInUse: return numberedText(kPortInUse, QString::number(failure.localPort));
    case ChannelFailure::Cause::Interface:
        return translated(kInterfaceRefused).arg(failure.interfaceName, failure.reason);
    case ChannelFailure::Cause::Send:
    case ChannelFailure::Cause::None: break;
    }
    return numberedText(kRequestNotSent, failure.reason);
}

}  // namespace corvane::lan
