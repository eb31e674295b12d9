// The text fields of PrinterConfig with their wire widths, so targets can
// check and normalise them without restating the record layout.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "link/printer_config.h"

namespace corvane::fuzz {

struct TextField {
    std::string link::PrinterConfig::*member;
    std::size_t width;
    bool newerOnly;
};

inline constexpr std::array<TextField, 13> kConfigTexts{{
    {&link::PrinterConfig::printerName, 64, false},
    {&link::PrinterConfig::ssid, 32, false},
    {&link::PrinterConfig::wepKey, 28, false},
    {&link::PrinterConfig::pskKey, 64, false},
    {&link::PrinterConfig::authId, 32, false},
    {&link::PrinterConfig::authPassword, 32, false},
    {&link::PrinterConfig::p2pPinCode, 9, true},
    {&link::PrinterConfig::p2pChannel, 3, true},
    {&link::PrinterConfig::userId, 32, false},
    {&link::PrinterConfig::userPassword, 32, false},
    {&link::PrinterConfig::setCommunity, 16, false},
    {&link::PrinterConfig::getCommunity, 16, false},
    {&link::PrinterConfig::trapCommunity, 16, false},
}};

// True when every text of `config` fits its field and holds no zero byte, and
// the fields the layout lacks are empty.
inline bool HasWireTexts(const link::PrinterConfig& config, link::ConfigLayout layout) {
    for (const TextField& field : kConfigTexts) {
        const std::string& text = config.*field.member;
        if (text.size() > field.width || text.find('\0') != std::string::npos) return false;
        if (field.newerOnly && layout == link::ConfigLayout::Older && !text.empty()) return false;
    }
    return layout == link::ConfigLayout::Newer || config.p2pConnMode == 0;
}

}  // namespace corvane::fuzz
