#pragma once

#include <cstdint>
#include <string_view>

#include "core/value_memory.hpp"

namespace strcrypt {

// A sequence of GBK bytes without a zero byte; stored with a terminating zero.
class Text {
 public:
  Text() = default;
  // The bytes of `bytes` before its first zero byte, if it has one.
  static Text FromBytes(std::string_view bytes);

  std::string_view View() const { return {bytes_.data(), bytes_.size()}; }
  const char* CString() const { return bytes_.c_str(); }
  bool IsEmpty() const { return bytes_.empty(); }

  friend bool operator==(const Text&, const Text&) = default;

 private:
  friend class TextBuilder;
  friend Text IntToText(std::int32_t value);
  explicit Text(Bytes bytes) : bytes_(std::move(bytes)) {}  // bytes known to hold no zero
  Bytes bytes_;
};

// Bytes of any value, zero included; at most 2^31 - 1 of them, as the length is a signed
// 32-bit count.
class ByteString {
 public:
  ByteString() = default;
  // A value larger than the count can say cannot be had, like memory that cannot be had.
  explicit ByteString(Bytes bytes);
  static ByteString FromBytes(std::string_view bytes) { return ByteString(Bytes(bytes)); }

  std::string_view View() const { return {bytes_.data(), bytes_.size()}; }
  bool IsEmpty() const { return bytes_.empty(); }

  friend bool operator==(const ByteString&, const ByteString&) = default;

 private:
  Bytes bytes_;
};

// Builds a Text by appending in place; bytes after a zero byte of an appended piece are
// left out, as a Text cannot hold them.
class TextBuilder {
 public:
  TextBuilder() = default;
  explicit TextBuilder(Text start) : bytes_(std::move(start.bytes_)) {}
  void Reserve(std::size_t bytes) { bytes_.reserve(bytes); }
  TextBuilder& Append(std::string_view bytes);
  TextBuilder& Append(char byte) {
    if (byte != '\0') bytes_.push_back(byte);
    return *this;
  }
  TextBuilder& Append(const Text& text) {
    bytes_.append(text.bytes_);  // a Text has no zero byte to cut at
    return *this;
  }
  Text Build() &&;

 private:
  Bytes bytes_;
};

// Drops ASCII spaces and GBK full-width spaces (A1 A1), reading the bytes as GBK characters:
// a byte from 0x80 opens a two-byte character, whatever follows it.
Text RemoveAllSpaces(const Text& text);
// The same scan over bytes that may include zeros, for input that never was a Text.
ByteString RemoveAllSpaces(const ByteString& bytes);

ByteString TextToBytes(const Text& text);
Text BytesToText(const ByteString& bytes);
std::int32_t ByteLength(const ByteString& bytes);
// The unsigned byte value at `position`, counted from 1; 0 outside the string.
std::int32_t ByteAt(const ByteString& bytes, std::int32_t position);
Text IntToText(std::int32_t value);

// A fresh Text of all operands in order. Passing the first operand as an rvalue lets the
// result reuse its storage, which is what keeps a growing list linear.
template <typename... Rest>
Text ConcatTexts(Text first, const Rest&... rest) {
  TextBuilder builder(std::move(first));
  (builder.Append(rest), ...);
  return std::move(builder).Build();
}

}  // namespace strcrypt
