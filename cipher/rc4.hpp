#pragma once

#include <cstdint>
#include <span>

namespace strcrypt {

// RC4 keyed with the password bytes, XORed over `data` in place. An empty password skips
// the key schedule, so the keystream comes from the identity permutation.
void Rc4Apply(std::span<const std::uint8_t> password, std::span<std::uint8_t> data);

}  // namespace strcrypt
