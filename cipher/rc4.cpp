#include "cipher/rc4.hpp"

#include <array>
#include <bit>
#include <cstddef>
#include <cstring>
#include <numeric>
#include <utility>

namespace strcrypt {

void Rc4Apply(std::span<const std::uint8_t> password, std::span<std::uint8_t> data) {
  std::array<std::uint8_t, 256> s{};
  std::iota(s.begin(), s.end(), std::uint8_t{0});
  if (!password.empty()) {
    unsigned j = 0;
    for (std::size_t x = 0; x < 256; ++x) {
      j = (j + s[x] + password[x % password.size()]) & 255U;
      std::swap(s[x], s[j]);
    }
  }

  // i and j stay locals: as members next to a byte array they would be reloaded after every
  // store into it, which halves the speed.
  unsigned i = 0;
  unsigned j = 0;
  const auto next_byte = [&s, &i, &j]() -> std::uint64_t {
    i = (i + 1) & 255U;
    const unsigned si = s[i];
    j = (j + si) & 255U;
    const unsigned sj = s[j];
    s[i] = static_cast<std::uint8_t>(sj);
    s[j] = static_cast<std::uint8_t>(si);
    return s[(si + sj) & 255U];
  };

  std::size_t place = 0;
  if constexpr (std::endian::native == std::endian::little) {
    // Eight bytes at a time: one load and one store per word instead of per byte.
    for (; data.size() - place >= 8; place += 8) {
      std::uint64_t keystream = next_byte();
      keystream |= next_byte() << 8;
      keystream |= next_byte() << 16;
      keystream |= next_byte() << 24;
      keystream |= next_byte() << 32;
      keystream |= next_byte() << 40;
      keystream |= next_byte() << 48;
      keystream |= next_byte() << 56;
      std::uint64_t word;
      std::memcpy(&word, data.data() + place, 8);
      word ^= keystream;
      std::memcpy(data.data() + place, &word, 8);
    }
  }
  for (; place < data.size(); ++place) data[place] ^= static_cast<std::uint8_t>(next_byte());
}

}  // namespace strcrypt
