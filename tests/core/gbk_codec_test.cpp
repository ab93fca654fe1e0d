#include "core/gbk_codec.hpp"

#include <gtest/gtest.h>

#include "core/actions.hpp"

namespace strcrypt {
namespace {

TEST(GbkCodec, EncodesUtf8ToCodePage936) {
  const GbkEncoding encoded = EncodeToGbk("你好€ a\r\n", "UTF-8", OnUnencodable::kFail);
  ASSERT_FALSE(encoded.error);
  EXPECT_EQ(encoded.bytes, "\xC4\xE3\xBA\xC3\x80 a\r\n");  // the euro sign is 0x80
  EXPECT_EQ(DecodeFromGbk(encoded.bytes, "UTF-8"), "你好€ a\r\n");
}

TEST(GbkCodec, CharactersOutsideGbkFailWithTheirPlaceOrBecomeQuestionMarks) {
  const GbkEncoding failed = EncodeToGbk("ab😀c", "UTF-8", OnUnencodable::kFail);
  ASSERT_TRUE(failed.error);
  EXPECT_EQ(failed.error->kind, GbkEncodeError::Kind::kNotInGbk);
  EXPECT_EQ(failed.error->position, 3U);
  EXPECT_EQ(failed.error->code_point, U'\U0001F600');

  const GbkEncoding replaced = EncodeToGbk("ab😀c你", "UTF-8", OnUnencodable::kQuestionMark);
  EXPECT_FALSE(replaced.error);
  EXPECT_EQ(replaced.bytes, "ab?c\xC4\xE3");
}

TEST(GbkCodec, InvalidInputIsAnErrorNotADroppedByte) {
  const GbkEncoding encoded = EncodeToGbk("ab\xFF", "UTF-8", OnUnencodable::kQuestionMark);
  ASSERT_TRUE(encoded.error);
  EXPECT_EQ(encoded.error->kind, GbkEncodeError::Kind::kInvalidInput);
  EXPECT_EQ(encoded.error->position, 3U);
}

TEST(GbkCodec, InvalidGbkBytesDecodeToReplacementCharacters) {
  EXPECT_EQ(DecodeFromGbk("a\xFF"
                          "b\xC4",
                          "UTF-8"),
            "a\xEF\xBF\xBD"
            "b\xEF\xBF\xBD");
}

TEST(GbkCodec, GbkNamesPassBytesUnchanged) {
  const std::string bytes("\xFF\x00\x80", 3);
  for (const char* name : {"gbk", "GBK", "cp936"}) {
    EXPECT_EQ(EncodeToGbk(bytes, name, OnUnencodable::kFail).bytes, bytes);
    EXPECT_EQ(DecodeFromGbk(bytes, name), bytes);
  }
}

TEST(GbkCodec, CodeLineHeadsAreTheGbkOfTheirReadableText) {
  EXPECT_EQ(EncodeToGbk("到文本 (解密数据 (", "UTF-8", OnUnencodable::kFail).bytes,
            kEncryptCodeLineHead);
  EXPECT_EQ(EncodeToGbk("到文本 (加密数据 (", "UTF-8", OnUnencodable::kFail).bytes,
            kDecryptCodeLineHead);
}

}  // namespace
}  // namespace strcrypt
