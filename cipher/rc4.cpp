#include "cipher/rc4.hpp"

#include <array>
#include <cstddef>
#include <numeric>
#include <utility>

namespace strcrypt {

void Rc4Apply(std::span<const std::uint8_t> password, std::span<std::uint8_t> data) {
  std::array<std::uint8_t, 256> s{};
  std::iota(s.begin(), s.end(), std::uint8_t{0});

  if (!password.empty()) {
    std::uint8_t j = 0;
    for (std::size_t x = 0; x < 256; ++x) {
      j = static_cast<std::uint8_t>(j + s[x] + password[x % password.size()]);
      std::swap(s[x], s[j]);
    }
  }

  std::uint8_t i = 0;
  std::uint8_t j = 0;
  for (std::uint8_t& byte : data) {
    i = static_cast<std::uint8_t>(i + 1);
    const std::uint8_t si = s[i];
    j = static_cast<std::uint8_t>(j + si);
    const std::uint8_t sj = s[j];
    s[i] = sj;
    s[j] = si;
    byte ^= s[static_cast<std::uint8_t>(si + sj)];
  }
}

}  // namespace strcrypt
