#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace strcrypt {

// A DES key in the standard's bit order: key bit 1 is the most significant bit of byte 0.
using DesKey = std::array<std::uint8_t, 8>;

enum class DesDirection { kEncipher, kDecipher };

// The 16 round keys of one key, ordered for one direction. Built once per cipher call and
// used for every block of it.
class DesKeySchedule {
 public:
  DesKeySchedule(const DesKey& key, DesDirection direction);

  // Runs every 8-byte block of `blocks` through DES in electronic-codebook mode, in place.
  // The size of `blocks` must be a multiple of 8.
  void ProcessBlocks(std::span<std::uint8_t> blocks) const;

 private:
  // Per round two words: the subkey's 6-bit groups for S-boxes 1, 3, 5, 7 and for 2, 4, 6, 8,
  // placed where the round function lines up the expanded half for those S-boxes.
  std::array<std::uint32_t, 32> round_keys_{};
};

}  // namespace strcrypt
