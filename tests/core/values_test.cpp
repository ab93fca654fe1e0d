#include "core/values.hpp"

#include <gtest/gtest.h>

#include "tests/support/hex.hpp"

namespace strcrypt {
namespace {

Text T(std::string_view bytes) { return Text::FromBytes(bytes); }

TEST(RemoveAllSpaces, DropsAsciiAndFullWidthSpacesReadingGbkCharacters) {
  const std::pair<const char*, const char*> cases[] = {
      {"61206209630d0a", "616209630d0a"},  // only the ASCII space goes
      {"a1a161a1a1", "61"},                // full-width spaces
      {"a1b0", "a1b0"},                    // A1 as a lead byte of another character
      {"61b0", "61"},                      // a lead byte with nothing after it
      {"b020", "b020"},                    // 0x20 as a trail byte is part of the character
      {"b0a1a1b0", "b0a1a1b0"},            // A1 A1 across two characters is no space
      {"20a1a120", ""},                    // nothing but spaces
      {"", ""},
  };
  for (const auto& [in, out] : cases) {
    EXPECT_EQ(test::ToHex(RemoveAllSpaces(T(test::FromHex(in))).View()), out) << in;
  }
}

TEST(RemoveAllSpaces, ByteStringFormKeepsZeroBytes) {
  const ByteString bytes = ByteString::FromBytes(std::string_view("a\0 b", 4));
  EXPECT_EQ(RemoveAllSpaces(bytes).View(), std::string_view("a\0b", 3));
}

TEST(BytesToText, StopsBeforeTheFirstZeroByte) {
  EXPECT_EQ(BytesToText(ByteString::FromBytes(std::string_view("A\0B", 3))), T("A"));
  EXPECT_EQ(BytesToText(ByteString::FromBytes(std::string_view("\0A", 2))), Text());
  EXPECT_EQ(BytesToText(ByteString()), Text());
}

TEST(TextToBytes, KeepsEveryByteWithoutTerminator) {
  EXPECT_EQ(ByteLength(TextToBytes(Text())), 0);
  const ByteString bytes = TextToBytes(T("\xC4\xE3 a"));
  EXPECT_EQ(ByteLength(bytes), 4);
  EXPECT_EQ(bytes.View(), "\xC4\xE3 a");
}

TEST(ByteAt, CountsFromOneAndGivesZeroOutside) {
  const ByteString bytes = ByteString::FromBytes(std::string_view("\x0C\x00\xFF", 3));
  const std::pair<std::int32_t, std::int32_t> cases[] = {{1, 12}, {2, 0}, {3, 255},
                                                         {0, 0},  {4, 0}, {-1, 0}};
  for (const auto& [position, value] : cases) EXPECT_EQ(ByteAt(bytes, position), value) << position;
}

TEST(IntToText, WritesPlainDecimal) {
  const std::pair<std::int32_t, const char*> cases[] = {
      {0, "0"}, {7, "7"}, {255, "255"}, {-5, "-5"}, {-2147483647 - 1, "-2147483648"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(IntToText(value).View(), text);
}

TEST(ConcatTexts, JoinsInOrderAndLeavesArgumentsUnchanged) {
  const Text a = T("ab");
  const Text b = T("cd");
  EXPECT_EQ(ConcatTexts(Text(), Text(), Text()), Text());
  EXPECT_EQ(ConcatTexts(a, Text(), b).View(), "abcd");
  EXPECT_EQ(ConcatTexts(a, ",", b, ",", a, ",", b).View(), "ab,cd,ab,cd");
  EXPECT_EQ(a.View(), "ab");
  EXPECT_EQ(b.View(), "cd");
}

TEST(Text, NeverHoldsAZeroByte) {
  EXPECT_EQ(T(std::string_view("ab\0cd", 5)).View(), "ab");
  EXPECT_EQ(ConcatTexts(T("x"), std::string_view("y\0z", 3)).View(), "xy");
  EXPECT_EQ(std::string_view(T("ab").CString()), "ab");
}

}  // namespace
}  // namespace strcrypt
