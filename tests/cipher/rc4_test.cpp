#include "cipher/rc4.hpp"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/hex.hpp"

namespace strcrypt {
namespace {

std::string Keystream(const std::vector<std::uint8_t>& key, std::size_t length) {
  std::vector<std::uint8_t> data(length, 0);
  Rc4Apply(key, data);
  return test::ToHex({reinterpret_cast<const char*>(data.data()), data.size()});
}

struct KeystreamVector {
  const char* key;
  const char* first_32_bytes;
};

// RFC 6229, section 2: keystream at offsets 0 and 16.
constexpr KeystreamVector kRfc6229[] = {
    {"0102030405", "b2396305f03dc027ccc3524a0a1118a86982944f18fc82d589c403a47a0d0919"},
    {"0102030405060708", "97ab8a1bf0afb96132f2f67258da15a88263efdb45c4a18684ef87e6b19e5b09"},
};

TEST(Rc4, MatchesRfc6229Keystreams) {
  for (const KeystreamVector& vector : kRfc6229) {
    SCOPED_TRACE(vector.key);
    EXPECT_EQ(Keystream(test::BytesFromHex(vector.key), 32), vector.first_32_bytes);
  }
}

TEST(Rc4, EmptyPasswordUsesTheIdentityPermutation) {
  // With S the identity: S[1]=1, j=1, swap is a no-op, output S[2]=2; then i=2, j=3, swap
  // S[2],S[3], output S[(3+2)]=5.
  EXPECT_EQ(Keystream({}, 2), "0205");
}

TEST(Rc4, OnlyTheFirst256PasswordBytesTakePart) {
  const std::vector<std::uint8_t> long_key(256, 'a');
  std::vector<std::uint8_t> longer_key = long_key;
  longer_key.push_back('b');
  EXPECT_EQ(Keystream(long_key, 16), Keystream(longer_key, 16));
  std::vector<std::uint8_t> changed_early = long_key;
  changed_early[255] = 'c';
  EXPECT_NE(Keystream(long_key, 256), Keystream(changed_early, 256));
}

}  // namespace
}  // namespace strcrypt
