#include "cipher/frame.hpp"

#include <algorithm>
#include <limits>

namespace strcrypt {

std::optional<std::size_t> FrameLength(std::size_t data_length) {
  constexpr std::size_t kLargest = std::numeric_limits<std::int32_t>::max();
  if (data_length > kLargest - kFrameHeaderSize - 7) return std::nullopt;
  return (data_length + kFrameHeaderSize + 7) / 8 * 8;
}

void WriteFrame(std::span<const std::uint8_t> data, std::span<std::uint8_t> frame) {
  const auto length = static_cast<std::uint32_t>(data.size());
  for (std::size_t i = 0; i < kFrameHeaderSize; ++i) {
    frame[i] = static_cast<std::uint8_t>(length >> (8 * i));
  }
  const auto after_data = std::copy(data.begin(), data.end(), frame.begin() + kFrameHeaderSize);
  std::fill(after_data, frame.end(), std::uint8_t{0});
}

std::optional<std::size_t> AcceptedDataLength(std::span<const std::uint8_t> frame) {
  if (frame.size() < 8) return std::nullopt;
  std::uint32_t raw = 0;
  for (std::size_t i = 0; i < kFrameHeaderSize; ++i) raw |= std::uint32_t{frame[i]} << (8 * i);
  const auto header = static_cast<std::int32_t>(raw);
  if (header < 1) return std::nullopt;
  const auto length = static_cast<std::size_t>(header);
  if (FrameLength(length) != frame.size()) return std::nullopt;
  return length;
}

}  // namespace strcrypt
