#include "cli/decrypt_input.hpp"

#include <charconv>
#include <limits>

#include "core/actions.hpp"

namespace strcrypt::cli {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string At(std::size_t offset) { return " at byte " + std::to_string(offset + 1); }

class ListReader {
 public:
  ListReader(std::string_view text, std::size_t start) : text_(text), place_(start) {}

  // Reads "{...}" from the current place; on success the place is just after the "}".
  std::optional<InputError> Read(Bytes& out) {
    SkipBlanks();
    if (!Take('{')) return Error("a byte list must start with '{'");
    SkipBlanks();
    if (Take('}')) return std::nullopt;
    for (std::size_t entry = 1;; ++entry) {
      SkipBlanks();
      const std::size_t start = place_;
      while (place_ < text_.size() && text_[place_] >= '0' && text_[place_] <= '9') ++place_;
      if (place_ == start) return Error("entry " + std::to_string(entry) + " is not a number");
      unsigned long value = 0;
      const auto [end, failure] =
          std::from_chars(text_.data() + start, text_.data() + place_, value);
      if (failure != std::errc() || value > 255) {
        return InputError{"entry " + std::to_string(entry) + " (" +
                          std::string(text_.substr(start, place_ - start)) + ") is above 255" +
                          At(start)};
      }
      out.push_back(static_cast<char>(value));
      SkipBlanks();
      if (Take('}')) return std::nullopt;
      if (!Take(',')) return Error("expected ',' or '}' after entry " + std::to_string(entry));
    }
  }

  void SkipBlanks() {
    while (place_ < text_.size() && IsBlank(text_[place_])) ++place_;
  }
  bool Take(char c) {
    if (place_ >= text_.size() || text_[place_] != c) return false;
    ++place_;
    return true;
  }
  bool AtEnd() const { return place_ == text_.size(); }
  std::string_view Rest() const { return text_.substr(place_); }
  InputError Error(const std::string& what) const {
    return InputError{AtEnd() ? what + " at the end of the input" : what + At(place_)};
  }

 private:
  std::string_view text_;
  std::size_t place_;
};

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

ParsedInput ParseByteList(std::string_view gbk) {
  ListReader reader(gbk, 0);
  Bytes bytes;
  if (auto error = reader.Read(bytes)) return *error;
  reader.SkipBlanks();
  if (!reader.AtEnd()) return reader.Error("unexpected text after the byte list");
  return DecryptInput{ByteString(std::move(bytes)), std::nullopt, std::nullopt};
}

ParsedInput ParseCodeLine(std::string_view gbk) {
  const std::string_view line = TrimBlanks(gbk);
  if (line.starts_with(kDecryptCodeLineHead)) {
    return InputError{
        "this code line was printed by decryption: it encrypts its list, there is nothing to "
        "decrypt in it"};
  }
  if (!line.starts_with(kEncryptCodeLineHead)) {
    return InputError{"not a code line printed by encryption"};
  }
  ListReader reader(line, kEncryptCodeLineHead.size());
  Bytes bytes;
  if (auto error = reader.Read(bytes)) return *error;
  if (!reader.Take(',')) return reader.Error("expected ',' after the byte list");
  // The password may hold commas and blanks itself: the digit is after the last comma.
  std::string_view rest = reader.Rest();
  if (!rest.ends_with(kCodeLineTail)) {
    return InputError{"the code line does not end with \"" + std::string(kCodeLineTail) + "\""};
  }
  rest.remove_suffix(kCodeLineTail.size());
  const std::size_t comma = rest.rfind(',');
  if (comma == std::string_view::npos) return InputError{"no algorithm number in the code line"};
  const std::string_view digits = rest.substr(comma + 1);
  CipherKind kind = 0;
  const auto [end, failure] = std::from_chars(digits.data(), digits.data() + digits.size(), kind);
  if (failure != std::errc() || end != digits.data() + digits.size()) {
    return InputError{"the algorithm number \"" + std::string(digits) + "\" is not a number"};
  }
  return DecryptInput{ByteString(std::move(bytes)), Text::FromBytes(rest.substr(0, comma)), kind};
}

ParsedInput ParseListOrCodeLine(std::string_view gbk) {
  const std::string_view trimmed = TrimBlanks(gbk);
  if (trimmed.starts_with('{')) return ParseByteList(gbk);
  if (trimmed.starts_with(kEncryptCodeLineHead) || trimmed.starts_with(kDecryptCodeLineHead)) {
    return ParseCodeLine(gbk);
  }
  return InputError{
      "the input is neither a byte list like {12,0,255} nor a code line printed by encryption "
      "(use --input raw for raw bytes)"};
}

}  // namespace strcrypt::cli
