#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace strcrypt::test {

inline std::string FromHex(std::string_view hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
  }
  return bytes;
}

inline std::string ToHex(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    hex.push_back(kDigits[byte >> 4]);
    hex.push_back(kDigits[byte & 15]);
  }
  return hex;
}

inline std::vector<std::uint8_t> BytesFromHex(std::string_view hex) {
  const std::string bytes = FromHex(hex);
  return {bytes.begin(), bytes.end()};
}

}  // namespace strcrypt::test
