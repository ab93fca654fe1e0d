#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace strcrypt::cli {

// What the command takes from its process, injected so that it runs inside a test.
struct Environment {
  std::function<const char*(const char*)> variable;  // getenv
  std::string terminal_encoding;                     // the locale's character set
};

enum ExitStatus : int {
  kSuccess = 0,
  kRejected = 1,    // DES decryption refused its input
  kUsageError = 2,  // bad options or bad input
};

// Runs `strcrypt` with `arguments` (the program name first) and returns its exit status.
int RunStrcrypt(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                std::ostream& err, const Environment& environment);

}  // namespace strcrypt::cli
