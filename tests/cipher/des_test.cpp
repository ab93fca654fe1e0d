#include "cipher/des.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/hex.hpp"

namespace strcrypt {
namespace {

struct KnownAnswer {
  const char* key;
  const char* plaintext;
  const char* ciphertext;
};

// NIST SP 800-17 (variable plaintext, variable key and substitution table tests), FIPS 81
// appendix B ("Now is t"), and the textbook key 133457799BBCDFF1.
constexpr KnownAnswer kKnownAnswers[] = {
    {"10316e028c8f3b4a", "0000000000000000", "82dcbafbdeab6602"},
    {"0101010101010101", "8000000000000000", "95f8a5e5dd31d900"},
    {"0101010101010101", "4000000000000000", "dd7f121ca5015619"},
    {"0101010101010101", "2000000000000000", "2e8653104f3834ea"},
    {"8001010101010101", "0000000000000000", "95a8d72813daa94d"},
    {"4001010101010101", "0000000000000000", "0eec1487dd8c26d5"},
    {"7ca110454a1a6e57", "01a1d6d039776742", "690f5b0d9a26939b"},
    {"0131d9619dc1376e", "5cd54ca83def57da", "7a389d10354bd271"},
    {"0123456789abcdef", "4e6f772069732074", "3fa40e8a984d4815"},
    {"133457799bbcdff1", "0123456789abcdef", "85e813540f0ab405"},
};

DesKey KeyFromHex(const char* hex) {
  DesKey key{};
  const auto bytes = test::BytesFromHex(hex);
  std::copy(bytes.begin(), bytes.end(), key.begin());
  return key;
}

TEST(Des, MatchesKnownAnswersInBothDirections) {
  for (const KnownAnswer& answer : kKnownAnswers) {
    SCOPED_TRACE(answer.key);
    auto block = test::BytesFromHex(answer.plaintext);
    DesKeySchedule(KeyFromHex(answer.key), DesDirection::kEncipher).ProcessBlocks(block);
    EXPECT_EQ(test::ToHex({reinterpret_cast<const char*>(block.data()), block.size()}),
              answer.ciphertext);
    DesKeySchedule(KeyFromHex(answer.key), DesDirection::kDecipher).ProcessBlocks(block);
    EXPECT_EQ(test::ToHex({reinterpret_cast<const char*>(block.data()), block.size()}),
              answer.plaintext);
  }
}

TEST(Des, ProcessesEveryBlockIndependently) {
  // Electronic-codebook mode: equal blocks give equal output wherever they stand.
  const DesKey key = KeyFromHex("10316e028c8f3b4a");
  std::vector<std::uint8_t> blocks(24, 0);
  blocks[8] = 0x80;
  DesKeySchedule(key, DesDirection::kEncipher).ProcessBlocks(blocks);
  EXPECT_EQ(test::ToHex({reinterpret_cast<const char*>(blocks.data()), 8}), "82dcbafbdeab6602");
  EXPECT_TRUE(std::equal(blocks.begin(), blocks.begin() + 8, blocks.begin() + 16));
  EXPECT_FALSE(std::equal(blocks.begin(), blocks.begin() + 8, blocks.begin() + 8));
}

TEST(Des, IgnoresTheParityBitOfEveryKeyByte) {
  std::vector<std::uint8_t> with_parity(8, 0x42);
  std::vector<std::uint8_t> without_parity = with_parity;
  DesKeySchedule(KeyFromHex("0101010101010101"), DesDirection::kEncipher)
      .ProcessBlocks(with_parity);
  DesKeySchedule(KeyFromHex("0000000000000000"), DesDirection::kEncipher)
      .ProcessBlocks(without_parity);
  EXPECT_EQ(with_parity, without_parity);
}

}  // namespace
}  // namespace strcrypt
