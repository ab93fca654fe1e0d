#include <langinfo.h>

#include <clocale>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "cli/strcrypt_command.hpp"
#include "core/gbk_codec.hpp"
#include "core/value_memory.hpp"

namespace {

std::string g_terminal_encoding;

[[noreturn]] void ExitOnOutOfMemory(std::int64_t requested_bytes) {
  const std::string message =
      strcrypt::DecodeFromGbk(strcrypt::OutOfMemoryMessage(requested_bytes), g_terminal_encoding);
  std::cerr << "strcrypt: " << message << std::endl;
  std::_Exit(3);
}

std::string LocaleEncoding() {
  std::setlocale(LC_CTYPE, "");
  const std::string codeset = nl_langinfo(CODESET);
  // The bare C locale says ASCII, which cannot carry a single Chinese character; treat it as
  // UTF-8, as most current tools do.
  return codeset == "ANSI_X3.4-1968" ? "UTF-8" : codeset;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  g_terminal_encoding = LocaleEncoding();
  strcrypt::SetOutOfMemoryHandler(ExitOnOutOfMemory);
  const std::vector<std::string> arguments(argv, argv + argc);
  const strcrypt::cli::Environment environment{[](const char* name) { return std::getenv(name); },
                                               g_terminal_encoding};
  return strcrypt::cli::RunStrcrypt(arguments, std::cin, std::cout, std::cerr, environment);
}
