// What a direct-link reply looks like when it is whole, and where in what was
// read the reply itself begins. Each exchange names the shape of the reply it
// waits for; the port ends a read before the line falls silent only where the
// shape proves the reply whole.
#pragma once

#include "link/bytes.h"

namespace corvane::link {

enum class ReplyShape {
    Unknown,            // no recognisable end: only the line's silence ends it
    MakerName,          // anything, 0x5F, the name, 0x00
    ModeAck,            // kReplyHeader, the mode byte "and whatever follows": silence ends it
    Frame,              // a reply frame: header, hexadecimal text, kFrameEnd
    CertificateStart,   // header and a four-letter word ("STRT"): silence ends it
    CertificateAnswer,  // header and an 18-byte tag ("__[I_F]__[IF__SUC]")
};

// True when `received` proves a whole reply of `shape`: the maker name up to
// its terminating zero; a reply frame whose text decodes to a message with a
// well-formed tag and a checksum of 0; a certificate answer's header and tag.
// A mode acknowledgement (and the certificate start that answers one) may be
// followed by more, so it is never proved whole: the line's silence ends it.
// Bytes before the reply (an echo of the request, a late tail of the
// previous reply) and bytes after a proved reply do not change the judgement.
bool IsReplyComplete(ReplyShape shape, ByteSpan received);

// What was read from the first kReplyHeader on: bytes a printer or the line
// put before the reply are skipped. Without a header, all of `received`.
ByteSpan ReplyFrom(ByteSpan received);

// The reply frame in `received`: from the reply header through the first end
// byte after it when that frame verifies, else ReplyFrom(received) as it is
// (which then fails the exchange's own checks).
ByteSpan FrameIn(ByteSpan received);

}  // namespace corvane::link
