#pragma once

#include <cstdint>

namespace strcrypt {

// The algorithm number handed to the cipher. Only 2 means RC4; 1, every other value and a
// missing number mean DES, because code lines in the field pass the number unchecked.
using CipherKind = std::int32_t;

inline constexpr CipherKind kDesKind = 1;
inline constexpr CipherKind kRc4Kind = 2;

constexpr bool SelectsRc4(CipherKind kind) { return kind == kRc4Kind; }

}  // namespace strcrypt
