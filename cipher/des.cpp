#include "cipher/des.hpp"

#include <bit>
#include <cstddef>

#include "cipher/des_tables.hpp"

namespace strcrypt {
namespace {

using SpTables = std::array<std::array<std::uint32_t, 64>, 8>;

// Each S-box followed by the permutation P, so a round is eight lookups and no bit shuffling.
constexpr SpTables MakeSpTables() {
  SpTables tables{};
  for (std::size_t box = 0; box < 8; ++box) {
    for (std::uint32_t input = 0; input < 64; ++input) {
      const std::uint32_t row = ((input >> 4) & 2U) | (input & 1U);
      const std::uint32_t column = (input >> 1) & 15U;
      const std::uint32_t sbox_out = des_tables::kSBoxes[box][row * 16 + column];
      const std::uint32_t before_p = sbox_out << (28 - 4 * box);
      std::uint32_t after_p = 0;
      for (std::size_t bit = 0; bit < 32; ++bit) {
        const std::uint32_t source = (before_p >> (32 - des_tables::kPermutationP[bit])) & 1U;
        after_p |= source << (31 - bit);
      }
      tables[box][input] = after_p;
    }
  }
  return tables;
}

constexpr SpTables kSp = MakeSpTables();

std::uint32_t LoadBigEndian(const std::uint8_t* bytes) {
  return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
         (std::uint32_t{bytes[2]} << 8) | std::uint32_t{bytes[3]};
}

void StoreBigEndian(std::uint32_t value, std::uint8_t* bytes) {
  bytes[0] = static_cast<std::uint8_t>(value >> 24);
  bytes[1] = static_cast<std::uint8_t>(value >> 16);
  bytes[2] = static_cast<std::uint8_t>(value >> 8);
  bytes[3] = static_cast<std::uint8_t>(value);
}

// Exchanges the bits of `b` selected by `mask` with the bits of `a` `shift` places higher.
inline void SwapMove(std::uint32_t& a, std::uint32_t& b, int shift, std::uint32_t mask) {
  const std::uint32_t t = ((a >> shift) ^ b) & mask;
  b ^= t;
  a ^= t << shift;
}

// The initial permutation as five bit-group exchanges between the two halves.
inline void InitialPermutation(std::uint32_t& left, std::uint32_t& right) {
  SwapMove(left, right, 4, 0x0f0f0f0fU);
  SwapMove(left, right, 16, 0x0000ffffU);
  SwapMove(right, left, 2, 0x33333333U);
  SwapMove(right, left, 8, 0x00ff00ffU);
  SwapMove(left, right, 1, 0x55555555U);
}

inline void FinalPermutation(std::uint32_t& left, std::uint32_t& right) {
  SwapMove(left, right, 1, 0x55555555U);
  SwapMove(right, left, 8, 0x00ff00ffU);
  SwapMove(right, left, 2, 0x33333333U);
  SwapMove(left, right, 16, 0x0000ffffU);
  SwapMove(left, right, 4, 0x0f0f0f0fU);
}

// f(R, K): the expansion E takes bits 32,1..5 for S1, 4..9 for S2 and so on. Rotating R
// right by one lines up the groups of S1, S3, S5, S7 at bit offsets 26, 18, 10, 2; rotating it
// left by three does the same for S2, S4, S6, S8.
inline std::uint32_t RoundFunction(std::uint32_t half, std::uint32_t key_odd_boxes,
                                   std::uint32_t key_even_boxes) {
  const std::uint32_t a = std::rotr(half, 1) ^ key_odd_boxes;
  const std::uint32_t b = std::rotl(half, 3) ^ key_even_boxes;
  return kSp[0][(a >> 26) & 63U] ^ kSp[2][(a >> 18) & 63U] ^ kSp[4][(a >> 10) & 63U] ^
         kSp[6][(a >> 2) & 63U] ^ kSp[1][(b >> 26) & 63U] ^ kSp[3][(b >> 18) & 63U] ^
         kSp[5][(b >> 10) & 63U] ^ kSp[7][(b >> 2) & 63U];
}

}  // namespace

DesKeySchedule::DesKeySchedule(const DesKey& key, DesDirection direction) {
  std::uint64_t key_bits = 0;
  for (const std::uint8_t byte : key) key_bits = (key_bits << 8) | byte;
  const auto key_bit = [key_bits](unsigned number) { return (key_bits >> (64 - number)) & 1U; };

  std::uint32_t c = 0;
  std::uint32_t d = 0;
  for (std::size_t i = 0; i < 28; ++i) {
    c = (c << 1) | static_cast<std::uint32_t>(key_bit(des_tables::kPermutedChoice1[i]));
    d = (d << 1) | static_cast<std::uint32_t>(key_bit(des_tables::kPermutedChoice1[28 + i]));
  }

  constexpr std::uint32_t kMask28 = (1U << 28) - 1;
  for (std::size_t round = 0; round < 16; ++round) {
    const int shift = des_tables::kLeftShifts[round];
    c = ((c << shift) | (c >> (28 - shift))) & kMask28;
    d = ((d << shift) | (d >> (28 - shift))) & kMask28;
    const std::uint64_t cd = (std::uint64_t{c} << 28) | d;

    std::uint64_t subkey = 0;
    for (const std::uint8_t number : des_tables::kPermutedChoice2) {
      subkey = (subkey << 1) | ((cd >> (56 - number)) & 1U);
    }
    std::uint32_t odd_boxes = 0;   // S1, S3, S5, S7
    std::uint32_t even_boxes = 0;  // S2, S4, S6, S8
    for (unsigned box = 0; box < 8; ++box) {
      const auto group = static_cast<std::uint32_t>((subkey >> (42 - 6 * box)) & 63U);
      const unsigned offset = 26 - 8 * (box / 2);
      ((box % 2 == 0) ? odd_boxes : even_boxes) |= group << offset;
    }
    const std::size_t slot = direction == DesDirection::kEncipher ? round : 15 - round;
    round_keys_[2 * slot] = odd_boxes;
    round_keys_[2 * slot + 1] = even_boxes;
  }
}

void DesKeySchedule::ProcessBlocks(std::span<std::uint8_t> blocks) const {
  const std::uint32_t* keys = round_keys_.data();
  for (std::size_t offset = 0; offset + 8 <= blocks.size(); offset += 8) {
    std::uint8_t* block = blocks.data() + offset;
    std::uint32_t left = LoadBigEndian(block);
    std::uint32_t right = LoadBigEndian(block + 4);
    InitialPermutation(left, right);
    for (std::size_t round = 0; round < 16; round += 2) {
      left ^= RoundFunction(right, keys[2 * round], keys[2 * round + 1]);
      right ^= RoundFunction(left, keys[2 * round + 2], keys[2 * round + 3]);
    }
    // The last round does not exchange the halves: the pre-output block is R16 L16.
    FinalPermutation(right, left);
    StoreBigEndian(right, block);
    StoreBigEndian(left, block + 4);
  }
}

}  // namespace strcrypt
