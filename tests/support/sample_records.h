// One filled printer record and system record for every test that needs a
// connected printer: the record layouts, the page rules and the windows.
#pragma once

#include "link/printer_config.h"

namespace corvane::test {

// A valid, fully filled record: WPA2-PSK with AES, manual addressing, port
// 9100, 192.168.0.10, a 64-character PSK.
link::PrinterConfig SampleRecord();
// The record as an older-layout printer holds it: no Wi-Fi Direct fields.
link::PrinterConfig OlderRecord(link::PrinterConfig c = SampleRecord());
link::PrinterSystemInfo SampleInfo();

}  // namespace corvane::test
