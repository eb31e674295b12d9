// A direct configuration window model connected to a printer with a valid,
// fully filled record.
#pragma once

#include "support/sample_records.h"

#include <gtest/gtest.h>

#include "rules/direct_config_model.h"

namespace corvane::rules::test {

using corvane::test::OlderRecord;
using corvane::test::SampleInfo;
using corvane::test::SampleRecord;

// The sample record with Open System and no cipher, as ad hoc mode needs.
inline link::PrinterConfig OpenRecord() {
    auto record = SampleRecord();
    record.authentication = code::kOpenSystem;
    record.cipher = code::kNone;
    return record;
}

class ConnectedWindow : public ::testing::Test {
protected:
    // Connects afresh, as after Disconnect when a printer was connected.
    void connect(const link::PrinterConfig& record, link::ConfigLayout layout = link::ConfigLayout::Newer) {
        if (model.context().connected) model.Disconnect();
        model.openWindow({"COM1", "COM3"});
        model.beginConnect();
        model.onConnected(record, SampleInfo(), layout);
    }
    NetworkPage& network() { return model.tabs.network; }
    SecurityPage& security() { return model.tabs.security; }
    SystemPage& system() { return model.tabs.system; }

    DirectConfigModel model;
};

}  // namespace corvane::rules::test
