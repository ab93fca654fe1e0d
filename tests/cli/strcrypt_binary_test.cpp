#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace {

struct Outcome {
  int status;
  std::string out;
};

// Runs the installed-form binary through the shell, as a script would.
Outcome Shell(const std::string& command) {
  const std::string full = "cd / && LC_ALL=C.UTF-8 " + command;
  FILE* pipe = popen(full.c_str(), "r");
  std::string out;
  std::array<char, 4096> buffer{};
  std::size_t got = 0;
  while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    out.append(buffer.data(), got);
  const int status = pclose(pipe);
  return {WEXITSTATUS(status), out};
}

const std::string kStrcrypt = STRCRYPT_BINARY;

TEST(StrcryptBinary, EncryptsFromStandardInput) {
  EXPECT_EQ(Shell("printf hello | " + kStrcrypt + " encrypt -p 123 -f list").out,
            "{58,190,122,43,105,239,161,164,173,170,53,25,103,180,43,72}\n");
  EXPECT_EQ(Shell("printf hello | " + kStrcrypt + " encrypt -p 123 -f list -a rc4").out,
            "{59,149,211,238,138}\n");
}

TEST(StrcryptBinary, DecryptsAPipedCodeLineWithThePasswordFromTheEnvironment) {
  const Outcome outcome = Shell("STRCRYPT_PASSWORD='密码' " + kStrcrypt +
                                " encrypt -f code '你好 世界' | " + kStrcrypt + " decrypt -f text");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, "你好世界\n");
}

TEST(StrcryptBinary, ExitStatusTellsRejectionFromBadInput) {
  EXPECT_EQ(Shell(kStrcrypt + " decrypt -p x '{1,2,3,4,5,6,7,8}' 2>/dev/null").status, 1);
  EXPECT_EQ(Shell(kStrcrypt + " decrypt '{1,2,999}' 2>/dev/null").status, 2);
}

}  // namespace
