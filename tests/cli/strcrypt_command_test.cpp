#include "cli/strcrypt_command.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace strcrypt::cli {
namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

class Strcrypt : public testing::Test {
 protected:
  Outcome Run(std::vector<std::string> arguments, const std::string& stdin_bytes = "") {
    arguments.insert(arguments.begin(), "strcrypt");
    std::istringstream in(stdin_bytes);
    std::ostringstream out;
    std::ostringstream err;
    const Environment environment{[this](const char* name) -> const char* {
                                    const auto found = variables.find(name);
                                    return found == variables.end() ? nullptr
                                                                    : found->second.c_str();
                                  },
                                  "UTF-8"};
    const int status = RunStrcrypt(arguments, in, out, err, environment);
    return {status, out.str(), err.str()};
  }

  std::map<std::string, std::string> variables;
};

const std::string kHelloDes = "{58,190,122,43,105,239,161,164,173,170,53,25,103,180,43,72}";

TEST_F(Strcrypt, EncryptsTextFromTheOperandOrStandardInput) {
  EXPECT_EQ(Run({"encrypt", "-p", "123", "-f", "list"}, "hello").out, kHelloDes + "\n");
  EXPECT_EQ(Run({"encrypt", "-p", "123", "-f", "list", "-"}, "hello").out, kHelloDes + "\n");
  EXPECT_EQ(Run({"encrypt", "-p", "123", "-f", "list", "hel lo"}).out, kHelloDes + "\n");
  EXPECT_EQ(Run({"encrypt", "-p", "123", "-f", "list", "-a", "rc4"}, "hello").out,
            "{59,149,211,238,138}\n");
}

TEST_F(Strcrypt, AllPrintsTheThreeWindowOutputs) {
  const Outcome outcome = Run({"decrypt", "-p", "123", kHelloDes});
  EXPECT_EQ(outcome.status, kSuccess);
  EXPECT_EQ(outcome.out,
            "text: hello\n"
            "list: {104,101,108,108,111}\n"
            "code: 到文本 (加密数据 ({104,101,108,108,111},123,1 ))\n");
}

TEST_F(Strcrypt, DecryptsEveryCodeLineThatEncryptionPrinted) {
  const std::pair<std::string, std::string> cases[] = {
      {"你好 世界", "你好世界"}, {"tab\tand\r\nbreak", "tab\tand\r\nbreak"}, {"x", "x"}};
  for (const auto& [text, back] : cases) {
    for (const char* algorithm : {"des", "rc4"}) {
      const Outcome line = Run({"encrypt", "-a", algorithm, "-p", "密 码,()", "-f", "code", text});
      ASSERT_EQ(line.status, kSuccess) << line.err;
      // The password and the algorithm come from the line itself.
      const Outcome decrypted = Run({"decrypt", "-f", "text"}, line.out);
      EXPECT_EQ(decrypted.status, kSuccess) << decrypted.err;
      EXPECT_EQ(decrypted.out, back + "\n") << algorithm;
    }
  }
}

TEST_F(Strcrypt, PasswordComesFromOptionFileOrEnvironmentInThatOrder) {
  const auto file = std::filesystem::temp_directory_path() / "strcrypt_password_test";
  std::ofstream(file, std::ios::binary) << "123\n";
  variables["STRCRYPT_PASSWORD"] = "123";
  EXPECT_EQ(Run({"encrypt", "-f", "list", "hello"}).out, kHelloDes + "\n");
  variables["STRCRYPT_PASSWORD"] = "wrong";
  EXPECT_EQ(Run({"encrypt", "-f", "list", "--password-file", file.string(), "hello"}).out,
            kHelloDes + "\n");
  EXPECT_EQ(Run({"encrypt", "-f", "list", "-p", "123", "hello"}).out, kHelloDes + "\n");
  variables.clear();
  EXPECT_NE(Run({"encrypt", "-f", "list", "hello"}).out, kHelloDes + "\n");  // empty password
  std::filesystem::remove(file);
  EXPECT_EQ(Run({"encrypt", "--password-file", file.string(), "hello"}).status, kUsageError);
}

TEST_F(Strcrypt, GbkEncodingTakesAnyBytesZeroIncluded) {
  const std::string bytes("a\0 \xFF\x41", 5);
  const Outcome encrypted =
      Run({"encrypt", "--encoding", "gbk", "-a", "rc4", "-p", "k", "-f", "raw"}, bytes);
  const Outcome decrypted =
      Run({"decrypt", "--encoding", "gbk", "-a", "rc4", "-p", "k", "--input", "raw", "-f", "raw"},
          encrypted.out);
  // The blank went; the zero and the two-byte character stayed.
  EXPECT_EQ(decrypted.out, std::string("a\0\xFF\x41", 4));
  const Outcome kept =
      Run({"encrypt", "--encoding", "gbk", "--keep-spaces", "-a", "rc4", "-p", "k", "-f", "raw"},
          bytes);
  EXPECT_EQ(kept.out.size(), 5U);
}

TEST_F(Strcrypt, ReportsFailuresWithTheirExitStatus) {
  struct Case {
    std::vector<std::string> arguments;
    std::string stdin_bytes;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {{"decrypt", "-p", "wrong", kHelloDes}, "", kRejected, "decryption failed"},
      {{"decrypt", "-a", "rc4", "-p", "123", "{1,2,3}"}, "", kSuccess, ""},  // RC4 never refuses
      {{"decrypt", "{1,256}"}, "", kUsageError, "entry 2 (256) is above 255"},
      {{"decrypt", "到文本 (加密数据 ({1},p,1 ))"}, "", kUsageError, "printed by decryption"},
      {{"encrypt", "ab😀"}, "", kUsageError, "character 3 of the text, U+1F600, has no GBK form"},
      {{"encrypt"}, "\xFF", kUsageError, "the text is not valid UTF-8 at character 1"},
      {{"encrypt", "-a", "aes", "x"}, "", kUsageError, "aes"},
      {{"encrypt", "--encoding", "no-such-encoding", "x"}, "", kUsageError, "unknown encoding"},
      {{}, "", kUsageError, "subcommand"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = Run(c.arguments, c.stdin_bytes);
    EXPECT_EQ(outcome.status, c.status) << c.message << ": " << outcome.err;
    EXPECT_NE(outcome.err.find(c.message), std::string::npos) << outcome.err;
  }
}

TEST_F(Strcrypt, DecryptOfTheEmptyListIsNoRejection) {
  const Outcome outcome = Run({"decrypt", "-f", "list", "{}"});
  EXPECT_EQ(outcome.status, kSuccess);
  EXPECT_EQ(outcome.out, "{}\n");
}

TEST_F(Strcrypt, HelpAndVersionSucceed) {
  EXPECT_EQ(Run({"--version"}).out, "strcrypt 1.0.0\n");
  const Outcome help = Run({"--help"});
  EXPECT_EQ(help.status, kSuccess);
  EXPECT_NE(help.out.find("STRCRYPT_PASSWORD"), std::string::npos);
}

}  // namespace
}  // namespace strcrypt::cli
