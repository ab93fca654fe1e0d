#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "cipher/cipher_kind.hpp"
#include "core/values.hpp"

namespace strcrypt::cli {

// What `strcrypt decrypt` takes in: a byte-list literal such as {12,0,255}, or a whole code
// line as encryption prints it, which also carries the password and the algorithm number.
struct DecryptInput {
  ByteString data;
  std::optional<Text> password;
  std::optional<CipherKind> kind;
};

struct InputError {
  std::string message;
};

using ParsedInput = std::variant<DecryptInput, InputError>;

// `gbk` is the input already in GBK. Blanks and line breaks may stand around the entries of
// a list and around the whole input.
ParsedInput ParseByteList(std::string_view gbk);
ParsedInput ParseCodeLine(std::string_view gbk);
// Either of the two, told apart by how the input begins.
ParsedInput ParseListOrCodeLine(std::string_view gbk);

}  // namespace strcrypt::cli
