// The words for a LAN request that could not leave this computer, the same in
// the windows and on the command line.
#pragma once

#include <QString>

#include "link/string_table.h"
#include "transport/udp_channel.h"

namespace corvane::lan {

// The cause in the current language: the local address or port that cannot
// be used, or the system's reason for refusing the send.
QString channelFailureText(const transport::ChannelFailure& failure);

// Numbered text `stringId` in the current language with `argument` for its
// "%1" (e.g. kSearchNotStarted with the cause).
QString numberedText(StringId stringId, const QString& argument);

}  // namespace corvane::lan
