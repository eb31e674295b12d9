// Byte containers shared by every layer of the tool.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace corvane {

using Bytes = std::vector<std::uint8_t>;
using ByteSpan = std::span<const std::uint8_t>;
using MutableByteSpan = std::span<std::uint8_t>;

inline ByteSpan AsBytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

inline Bytes ToBytes(std::string_view text) {
    auto s = AsBytes(text);
    return {s.begin(), s.end()};
}

}  // namespace corvane
