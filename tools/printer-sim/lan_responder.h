// The LAN side of the simulated printers as pure functions: one received
// datagram or survey request in, the answers to send out. The caller sends
// every answer to the requester's address and port.
#pragma once

#include <vector>

#include "link/bytes.h"
#include "sim_state.h"

namespace corvane::sim {

// A datagram that arrived on the Ethernet port ("FIND", "SETT") at `nowMs`
// (any steady count of milliseconds: a printer restarting after new
// settings ignores searches until its restart time has passed).
std::vector<Outgoing> HandleEthernetDatagram(SimState& state, ByteSpan datagram, std::int64_t nowMs = 0);
// A datagram that arrived on the wireless port ("__[I_F]__[PRT_REG]", "__[I_F]__[PRT_SET]").
std::vector<Outgoing> HandleWlanDatagram(SimState& state, ByteSpan datagram, std::int64_t nowMs = 0);

// The "__[I_F]__[BSS_RSP]" IfMessage with `survey` as its body.
Bytes BuildSurveyResponse(const std::vector<AccessPoint>& survey);

// A complete "__[I_F]__[BSS_REQ]" message at the start of `request`: the
// number of bytes it takes (20), 0 while more bytes are needed, -1 when the
// bytes can never become one.
int SurveyRequestLength(ByteSpan request);

// The survey answer of the wireless printer `index` (out of range: nothing).
std::vector<Outgoing> AnswerSurvey(const SimState& state, std::size_t index);

// Which wireless printer serves a survey connection that arrived at
// `localAddress` (host order): the one with that IP address, else the first.
std::size_t SurveyPrinterFor(const SimState& state, std::uint32_t localAddress);

}  // namespace corvane::sim
