#include "cli/decrypt_input.hpp"

#include <gtest/gtest.h>

#include "core/actions.hpp"

namespace strcrypt::cli {
namespace {

TEST(ParseByteList, AcceptsBlanksAndLineBreaksBetweenEntries) {
  const std::pair<const char*, std::string_view> cases[] = {
      {"{12,0,255}", std::string_view("\x0C\x00\xFF", 3)},
      {"  {\r\n 12 ,\t0,\n255 }\n", std::string_view("\x0C\x00\xFF", 3)},
      {"{}", ""},
      {"{ }", ""},
      {"{7}", "\x07"},
  };
  for (const auto& [input, bytes] : cases) {
    const ParsedInput parsed = ParseByteList(input);
    ASSERT_TRUE(std::holds_alternative<DecryptInput>(parsed)) << input;
    EXPECT_EQ(std::get<DecryptInput>(parsed).data.View(), bytes) << input;
  }
}

TEST(ParseByteList, SaysWhatIsWrongAndWhere) {
  const std::pair<const char*, const char*> cases[] = {
      {"{1,256}", "entry 2 (256) is above 255 at byte 4"},
      {"{1,99999999999999999999}", "entry 2 (99999999999999999999) is above 255 at byte 4"},
      {"12,3}", "a byte list must start with '{' at byte 1"},
      {"{1,,2}", "entry 2 is not a number at byte 4"},
      {"{1 2}", "expected ',' or '}' after entry 1 at byte 4"},
      {"{1,2", "expected ',' or '}' after entry 2 at the end of the input"},
      {"{1}x", "unexpected text after the byte list at byte 4"},
      {"{-1}", "entry 1 is not a number at byte 2"},
  };
  for (const auto& [input, message] : cases) {
    const ParsedInput parsed = ParseByteList(input);
    ASSERT_TRUE(std::holds_alternative<InputError>(parsed)) << input;
    EXPECT_EQ(std::get<InputError>(parsed).message, message) << input;
  }
}

const std::string kHead(kEncryptCodeLineHead);

TEST(ParseCodeLine, TakesListPasswordAndKindFromTheLine) {
  struct Case {
    std::string line;
    std::string_view data;
    std::string password;
    CipherKind kind;
  };
  const Case cases[] = {
      {kHead + "{1,2},pw,1 ))", "\x01\x02", "pw", 1},
      {kHead + "{1,2},,2 ))\n", "\x01\x02", "", 2},
      {kHead + "{3},a, b (c),,2 ))", "\x03", "a, b (c),", 2},  // commas in the password
      {kHead + "{},x,1 ))", "", "x", 1},
  };
  for (const Case& c : cases) {
    const ParsedInput parsed = ParseCodeLine(c.line);
    ASSERT_TRUE(std::holds_alternative<DecryptInput>(parsed)) << c.line;
    const auto& input = std::get<DecryptInput>(parsed);
    EXPECT_EQ(input.data.View(), c.data);
    EXPECT_EQ(input.password->View(), c.password);
    EXPECT_EQ(input.kind, c.kind);
  }
}

TEST(ParseCodeLine, RefusesLinesItCannotDecrypt) {
  const std::pair<std::string, std::string> cases[] = {
      {std::string(kDecryptCodeLineHead) + "{1},pw,1 ))", "printed by decryption"},
      {kHead + "{1},pw,1", "does not end with"},
      {kHead + "{1},pw,x ))", "is not a number"},
      {kHead + "{1}pw,1 ))", "expected ',' after the byte list"},
      {"print(1)", "neither a byte list"},
  };
  for (const auto& [line, message] : cases) {
    const ParsedInput parsed = ParseListOrCodeLine(line);
    ASSERT_TRUE(std::holds_alternative<InputError>(parsed)) << line;
    EXPECT_NE(std::get<InputError>(parsed).message.find(message), std::string::npos)
        << std::get<InputError>(parsed).message;
  }
}

}  // namespace
}  // namespace strcrypt::cli
