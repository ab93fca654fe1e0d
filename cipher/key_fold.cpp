#include "cipher/key_fold.hpp"

#include <cstddef>

namespace strcrypt {

DesKey FoldKey(std::span<const std::uint8_t> password) {
  DesKey key{};
  for (std::size_t k = 0; k < password.size(); ++k) key[k % key.size()] ^= password[k];
  return key;
}

DesKey StandardKeyOf(const DesKey& folded) {
  DesKey standard{};
  for (std::size_t k = 0; k < folded.size(); ++k) {
    const unsigned byte = folded[k];
    unsigned reversed = 0;
    for (unsigned bit = 0; bit < 8; ++bit) reversed = (reversed << 1) | ((byte >> bit) & 1U);
    standard[k] = static_cast<std::uint8_t>(reversed);
  }
  return standard;
}

}  // namespace strcrypt
