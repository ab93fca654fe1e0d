#include "cipher/key_fold.hpp"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/hex.hpp"

namespace strcrypt {
namespace {

std::string Folded(const std::string& password_hex) {
  const DesKey key = FoldKey(test::BytesFromHex(password_hex));
  return test::ToHex({reinterpret_cast<const char*>(key.data()), key.size()});
}

TEST(FoldKey, XorsPasswordByteKIntoKeyByteKMod8) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "0000000000000000"},
      {"313233", "3132330000000000"},
      {"0102030405060708", "0102030405060708"},
      {"010203040506070810", "1102030405060708"},
      {"01020304050607080102030405060708", "0000000000000000"},  // 8 bytes twice cancel out
      {"c3dcc2eb", "c3dcc2eb00000000"},                          // GBK "密码": both bytes each
  };
  for (const auto& [password, key] : cases) EXPECT_EQ(Folded(password), key) << password;
}

TEST(StandardKeyOf, ReversesTheBitsOfEveryByte) {
  const DesKey folded = {0x01, 0x80, 0x02, 0x40, 0x0F, 0xF0, 0x31, 0xFF};
  const DesKey expected = {0x80, 0x01, 0x40, 0x02, 0xF0, 0x0F, 0x8C, 0xFF};
  EXPECT_EQ(StandardKeyOf(folded), expected);
}

}  // namespace
}  // namespace strcrypt
