// The parser of what `strcrypt decrypt` reads: any bytes, no crash, and a list it accepts
// prints back to the same bytes.
#include <cstdlib>
#include <string_view>
#include <variant>

#include "cli/decrypt_input.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto parsed = strcrypt::cli::ParseListOrCodeLine(text);
  if (const auto* input = std::get_if<strcrypt::cli::DecryptInput>(&parsed)) {
    std::string list = "{";
    for (const char byte : input->data.View()) {
      list += std::to_string(static_cast<unsigned char>(byte)) + ",";
    }
    if (list.size() > 1) list.pop_back();
    list += "}";
    const auto again = strcrypt::cli::ParseByteList(list);
    if (std::get<strcrypt::cli::DecryptInput>(again).data != input->data) std::abort();
  }
  return 0;
}
