#include "core/data_cipher.hpp"

#include <gtest/gtest.h>
#include <openssl/des.h>
#include <openssl/rc4.h>

#include <fstream>
#include <random>
#include <sstream>

#include "cipher/des.hpp"
#include "cipher/key_fold.hpp"
#include "tests/support/hex.hpp"

namespace strcrypt {
namespace {

ByteString Bytes(std::string_view bytes) { return ByteString::FromBytes(bytes); }
Text Password(std::string_view bytes) { return Text::FromBytes(bytes); }

// Vectors written by tests/vectors/generate_cipher_vectors.py with pycryptodome.
TEST(DataCipher, EncryptionMatchesTheIndependentVectorsAndDecryptsBack) {
  std::ifstream file(CIPHER_VECTORS);
  ASSERT_TRUE(file) << CIPHER_VECTORS;
  std::string line;
  int checked = 0;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    CipherKind kind = 0;
    std::string password, data, expected;
    fields >> kind >> password >> data >> expected;
    SCOPED_TRACE(line.substr(0, 60));
    const Text key = Password(password == "-" ? "" : test::FromHex(password));
    const ByteString encrypted = EncryptData(Bytes(test::FromHex(data)), key, kind);
    ASSERT_EQ(test::ToHex(encrypted.View()), expected);
    ASSERT_EQ(DecryptData(encrypted, key, kind), Bytes(test::FromHex(data)));
    ++checked;
  }
  EXPECT_GT(checked, 0);
}

// OpenSSL as a second, independent reference: the DES output is standard DES-ECB of the
// frame under the folded key with each byte's bits reversed; RC4 is standard RC4.
class AgainstOpenSsl : public testing::Test {
 protected:
  void SetUp() override {
    const unsigned seed = std::random_device{}();
    RecordProperty("seed", static_cast<int>(seed));
    std::cout << "[ seed     ] " << seed << '\n';
    random_.seed(seed);
  }
  std::string RandomBytes(std::size_t length) {
    std::string bytes(length, '\0');
    for (char& c : bytes) c = static_cast<char>(random_() & 0xFF);
    return bytes;
  }
  std::mt19937 random_;
};

std::string OpenSslDes(const std::string& data, const std::string& password) {
  DES_cblock key{};
  for (std::size_t k = 0; k < password.size(); ++k)
    key[k % 8] ^= static_cast<unsigned char>(password[k]);
  for (auto& byte : key) {
    unsigned char reversed = 0;
    for (int bit = 0; bit < 8; ++bit)
      reversed = static_cast<unsigned char>((reversed << 1) | ((byte >> bit) & 1));
    byte = reversed;
  }
  DES_key_schedule schedule;
  DES_set_key_unchecked(&key, &schedule);
  const auto length = static_cast<std::uint32_t>(data.size());
  std::string frame = {static_cast<char>(length), static_cast<char>(length >> 8),
                       static_cast<char>(length >> 16), static_cast<char>(length >> 24)};
  frame += data;
  frame.resize((frame.size() + 7) / 8 * 8, '\0');
  for (std::size_t offset = 0; offset < frame.size(); offset += 8) {
    auto* block = reinterpret_cast<DES_cblock*>(frame.data() + offset);
    DES_ecb_encrypt(block, block, &schedule, DES_ENCRYPT);
  }
  return frame;
}

std::string OpenSslRc4(const std::string& data, const std::string& password) {
  RC4_KEY key;
  RC4_set_key(&key, static_cast<int>(password.size()),
              reinterpret_cast<const unsigned char*>(password.data()));
  std::string out(data.size(), '\0');
  RC4(&key, data.size(), reinterpret_cast<const unsigned char*>(data.data()),
      reinterpret_cast<unsigned char*>(out.data()));
  return out;
}

TEST_F(AgainstOpenSsl, EveryLengthUpTo300RoundTripsAndMatches) {
  for (std::size_t length = 0; length <= 300; ++length) {
    SCOPED_TRACE(length);
    const std::string data = RandomBytes(length);
    const std::string password = RandomBytes(random_() % 20 + 1);
    const Text key = Password(password);
    const std::string used_password(key.View());  // a Text ends at the first zero byte
    for (const CipherKind kind : {kDesKind, kRc4Kind}) {
      const ByteString encrypted = EncryptData(Bytes(data), key, kind);
      if (length == 0) {
        EXPECT_TRUE(encrypted.IsEmpty());
        continue;
      }
      if (kind == kDesKind) {
        ASSERT_EQ(encrypted.View(), OpenSslDes(data, used_password));
      } else if (!used_password.empty()) {
        ASSERT_EQ(encrypted.View(), OpenSslRc4(data, used_password));
      }
      ASSERT_EQ(DecryptData(encrypted, key, kind), Bytes(data));
    }
  }
}

TEST(DataCipher, EveryKindButTwoIsDes) {
  const ByteString data = Bytes("hello");
  const ByteString des = EncryptData(data, Password("123"));
  EXPECT_EQ(des.View().size(), 16U);
  for (const CipherKind kind : {0, 1, 3, -1, 1000}) {
    EXPECT_EQ(EncryptData(data, Password("123"), kind), des) << kind;
  }
  EXPECT_EQ(EncryptData(data, Password("123"), 2).View().size(), 5U);
}

TEST(DataCipher, EmptyDataGivesEmptyResultOnEveryPath) {
  for (const CipherKind kind : {1, 2}) {
    EXPECT_TRUE(EncryptData(ByteString(), Password("k"), kind).IsEmpty());
    EXPECT_TRUE(DecryptData(ByteString(), Password("k"), kind).IsEmpty());
  }
}

TEST(DataCipher, DesDecryptionRefusesLengthsThatAreNotWholeBlocks) {
  const ByteString valid = EncryptData(Bytes("0123456789"), Password("pw"));
  ASSERT_EQ(valid.View().size(), 16U);
  for (const std::size_t length : {1U, 7U, 9U, 15U}) {
    EXPECT_TRUE(DecryptData(Bytes(valid.View().substr(0, length)), Password("pw")).IsEmpty());
  }
}

TEST(DataCipher, DesDecryptionWithWrongPasswordOrKindGivesEmptyResult) {
  const ByteString encrypted = EncryptData(Bytes("a secret text"), Password("right"));
  EXPECT_TRUE(DecryptData(encrypted, Password("wrong")).IsEmpty());
  const ByteString rc4 = EncryptData(Bytes("a secret text!!!"), Password("right"), kRc4Kind);
  EXPECT_TRUE(DecryptData(rc4, Password("right"), kDesKind).IsEmpty());
}

TEST(DataCipher, DesDecryptionReadsTheHeaderAndIgnoresThePad) {
  // A 16-byte frame announcing 5 data bytes (the smallest length that needs 16), with a
  // pad that encryption would never write.
  std::vector<std::uint8_t> frame = {5, 0, 0, 0, 'a', 'b', 'c', 'd', 'e', 9, 9, 9, 9, 9, 9, 9};
  DesKeySchedule(StandardKeyOf(FoldKey(std::vector<std::uint8_t>{'p', 'w'})),
                 DesDirection::kEncipher)
      .ProcessBlocks(frame);
  const ByteString enciphered = Bytes({reinterpret_cast<const char*>(frame.data()), frame.size()});
  EXPECT_EQ(DecryptData(enciphered, Password("pw")), Bytes("abcde"));
}

TEST(DataCipher, DesPasswordsWithTheSameKeyBitsGiveTheSameOutput) {
  const ByteString data = Bytes("same output");
  // Folded keys that differ only in bit 0x80 of a byte: PC-1 never reads that bit.
  EXPECT_EQ(EncryptData(data, Password("\x01")), EncryptData(data, Password("\x81")));
  // Eight bytes written twice cancel out to the all-zero key of the empty password.
  EXPECT_EQ(EncryptData(data, Password("abcdefghabcdefgh")), EncryptData(data, Password("")));
  // Bytes after the 256th still change the DES key (but not RC4's).
  const std::string long_password(256, 'x');
  EXPECT_NE(EncryptData(data, Password(long_password + "y")),
            EncryptData(data, Password(long_password)));
  EXPECT_EQ(EncryptData(data, Password(long_password + "y"), kRc4Kind),
            EncryptData(data, Password(long_password), kRc4Kind));
}

TEST(DataCipher, Rc4WithEmptyPasswordStillChangesTheDataAndRestoresIt) {
  const ByteString data = Bytes("plain");
  const ByteString encrypted = EncryptData(data, Text(), kRc4Kind);
  EXPECT_NE(encrypted, data);
  EXPECT_EQ(DecryptData(encrypted, Text(), kRc4Kind), data);
  EXPECT_EQ(EncryptData(data, Text(), kRc4Kind), DecryptData(data, Text(), kRc4Kind));
}

}  // namespace
}  // namespace strcrypt
