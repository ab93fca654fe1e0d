#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace strcrypt {

// The boundary between GBK, the encoding of every text inside the program, and the encoding
// of whatever is outside it (a terminal, a toolkit's UTF-8).

enum class OnUnencodable {
  kQuestionMark,  // as the desktop's own conversion to the ANSI code page does
  kFail,          // for the command line, which must not encrypt a text it altered
};

struct GbkEncodeError {
  enum class Kind { kInvalidInput, kNotInGbk } kind;
  std::size_t position;  // of the character, counted from 1
  char32_t code_point;   // the character GBK cannot hold (kNotInGbk only)
};

struct GbkEncoding {
  std::string bytes;
  std::optional<GbkEncodeError> error;
};

// `encoding` names the outside encoding as iconv knows it ("UTF-8", ...).
GbkEncoding EncodeToGbk(std::string_view text, const std::string& encoding, OnUnencodable policy);

// Bytes that are not valid GBK become the replacement character (or "?" where the outside
// encoding has none), one for every byte that does not start a valid character.
std::string DecodeFromGbk(std::string_view gbk, const std::string& encoding);

// True when `encoding` names GBK itself, so that bytes cross unchanged.
bool IsGbkName(std::string_view encoding);

}  // namespace strcrypt
