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

QString channelFailureText(const transport::ChannelFailure& failure) {
    switch (failure.cause) {
    case transport::ChannelFailure::Cause::LocalAddress:
        return numberedText(kLocalAddressUnusable, failure.localAddress);
    case transport::ChannelFailure::Cause::LocalPort:
        return numberedText(kLocalPortUnusable, QString::number(failure.localPort));
    case transport::ChannelFailure::Cause::PortInUse:
        return numberedText(kPortInUse, QString::number(failure.localPort));
    case transport::ChannelFailure::Cause::Interface:
        return translated(kInterfaceRefused).arg(failure.interfaceName, failure.reason);
    case transport::ChannelFailure::Cause::Send:
    case transport::ChannelFailure::Cause::None: break;
    }
    return numberedText(kRequestNotSent, failure.reason);
}

}  // namespace corvane::lan
