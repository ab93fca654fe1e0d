#pragma once

#include <span>

#include "cipher/des.hpp"

namespace strcrypt {

// Password byte k is XORed into key byte k mod 8. The result is in the cipher's own key-bit
// order, where each byte's bit 0x01 comes first; see StandardKeyOf.
DesKey FoldKey(std::span<const std::uint8_t> password);

// The folded key as a standard DES key: the bits of every byte reversed. This is the one
// place where the format departs from the standard, and code lines in the field rely on it.
DesKey StandardKeyOf(const DesKey& folded);

}  // namespace strcrypt
