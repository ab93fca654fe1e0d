#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace strcrypt {

// The DES frame: a 4-byte little-endian signed length, the data, and zero bytes up to the
// next multiple of 8.
inline constexpr std::size_t kFrameHeaderSize = 4;

// The frame length for `data_length` bytes of data; none when it would not fit a signed
// 32-bit count, which is all the format can carry.
std::optional<std::size_t> FrameLength(std::size_t data_length);

// Writes the frame of `data` into `frame`, whose size must be FrameLength(data.size()).
void WriteFrame(std::span<const std::uint8_t> data, std::span<std::uint8_t> frame);

// The data length that the deciphered `frame` announces, when the
// header is one that encryption can have written: at least 1, and a frame of exactly that
// length. The pad bytes are not looked at.
std::optional<std::size_t> AcceptedDataLength(std::span<const std::uint8_t> frame);

}  // namespace strcrypt
