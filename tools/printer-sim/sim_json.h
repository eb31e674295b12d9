// The simulator's state as JSON: read from --config, written by --dump-state.
// Both use one shape, so a dumped state can be loaded again:
//
// { "ethernet": [ { "mac": "00:11:62:0A:00:01", "ip": "192.168.0.101",
//                   "mask": "255.255.255.0", "gateway": "192.168.0.1", "port": 9100,
//                   "baudCode": 255, "firmware": "2.4", "dhcp": false,
//                   "inactivity": 0, "https": false, "faults": { ... } } ],
//   "wlan":     [ { ...the same..., "featureCode": 25, "reserved": 0,
//                   "survey": [ { "ssid": "Office", "bssid": "00:1A:2B:3C:4D:5E",
//                                 "mode": 0, "rssi": -60, "security": 8 } ] } ],
//   "link":     { "present": true, "layout": "newer" | "older",
//                 "makerName": "ZEPHRAN", "makerMissing": false, "statusByte": -1,
//                 "system": { "firmwareVersion": "", "updateDate": "", "macAddress": "" },
//                 "config": { PrinterConfig field names, addresses dotted },
//                 "survey": [ ... ], "faults": { ... },
//                 "certificates": { "1": "<base64>" }, "configWrites": 0 },
//   "plugged":  { "NAME": { ...as "link"... } },             (dumped only)
//   "printed":  [ { "port": 9100, "data": "<base64>" } ] }   (dumped only)
//
// Faults: "silent", "delayOn", "corruptChecksum", "truncate", "upperHex",
// "duplicate", "refuse" take a list of message kinds (or "all"); "delayMs",
// "withholdStrt", "certFailures", "certFailChunk", "flood", "floodBurst",
// "floodIntervalMs", "pieces", "pieceGapMs", "ackTailMs", "deafAfterAckMs"
// numbers; "modeReply7E", "shortWlanAnswer", "keepSettings", "echo" flags.
#pragma once

#include <QJsonObject>
#include <QString>

#include "sim_state.h"

namespace corvane::sim {

// Missing keys keep the values of `base`; a printer list given in the file
// replaces the whole list. False with `error` set on a malformed value.
bool LoadState(const QJsonObject& json, SimState& state, QString* error);
bool LoadStateFile(const QString& path, SimState& state, QString* error);

QJsonObject DumpState(const SimState& state);
bool DumpStateFile(const SimState& state, const QString& path, QString* error);

bool LoadFaults(const QJsonObject& json, Faults& faults, QString* error);
QJsonObject DumpFaults(const Faults& faults);

}  // namespace corvane::sim
