// What a direct-link reply looks like when it is whole. Each exchange names
// the shape of the reply it waits for, so that the port can end a read as
// soon as that reply is in instead of waiting for the line to fall silent.
#pragma once

#include "bytes.h"

namespace corvane::link {

enum class ReplyShape {
    Unknown,            // no recognisable end: only the line's silence ends it
    MakerName,          // anything, 0x5F, the name, 0x00
    ModeAck,            // kReplyHeader and the mode byte: 4 bytes
    Frame,              // a reply frame: header, hexadecimal text, kFrameEnd
    CertificateStart,   // header and a four-letter word ("STRT")
    CertificateAnswer,  // header and an 18-byte tag ("__[I_F]__[IF__SUC]")
};

// True when `received` holds a whole reply of `shape`: every byte the
// exchange judges the reply by has arrived. Bytes that follow do not change
// the judgement. Unknown is never complete.
bool IsReplyComplete(ReplyShape shape, ByteSpan received);

}  // namespace corvane::link
