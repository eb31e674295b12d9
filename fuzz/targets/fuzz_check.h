// Shared helpers of the fuzz targets: a property check that stops the run with
// a readable reason, and the small conversions every target needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "link/bytes.h"

// A failed property is a finding like a crash: libFuzzer saves the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace corvane::fuzz {

inline ByteSpan Input(const std::uint8_t* data, std::size_t size) { return {data, size}; }

inline bool StartsWith(ByteSpan data, std::string_view prefix) {
    return data.size() >= prefix.size() &&
           std::string_view(reinterpret_cast<const char*>(data.data()), prefix.size()) == prefix;
}

// A received text field as the readers keep it: cut at the first zero and at
// the field width.
inline std::string FieldText(std::string_view text, std::size_t width) {
    text = text.substr(0, width);
    return std::string(text.substr(0, text.find('\0')));
}

// True when a parsed text honours its field: no zero inside, not wider.
inline bool IsFieldText(const std::string& text, std::size_t width) {
    return text.size() <= width && text.find('\0') == std::string::npos;
}

}  // namespace corvane::fuzz
