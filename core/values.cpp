#include "core/values.hpp"

#include <charconv>
#include <cstddef>
#include <limits>

namespace strcrypt {
namespace {

constexpr unsigned char kFullWidthSpaceByte = 0xA1;

// The one scan behind both forms of RemoveAllSpaces.
Bytes WithoutSpaces(std::string_view in) {
  Bytes out;
  out.reserve(in.size());
  std::size_t place = 0;
  while (place < in.size()) {
    const auto lead = static_cast<unsigned char>(in[place]);
    if (lead < 0x80) {
      if (lead != ' ') out.push_back(in[place]);
      place += 1;
      continue;
    }
    if (place + 1 == in.size()) break;  // a lead byte with nothing after it is dropped
    const auto trail = static_cast<unsigned char>(in[place + 1]);
    if (lead != kFullWidthSpaceByte || trail != kFullWidthSpaceByte) {
      out.append(in.substr(place, 2));
    }
    place += 2;
  }
  return out;
}

std::string_view BeforeFirstZero(std::string_view bytes) {
  return bytes.substr(0, bytes.find('\0'));
}

}  // namespace

Text Text::FromBytes(std::string_view bytes) {
  Text text;
  text.bytes_.assign(BeforeFirstZero(bytes));
  return text;
}

ByteString::ByteString(Bytes bytes) : bytes_(std::move(bytes)) {
  if (bytes_.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    ReportOutOfMemory(static_cast<std::int64_t>(bytes_.size()));
  }
}

TextBuilder& TextBuilder::Append(std::string_view bytes) {
  bytes_.append(BeforeFirstZero(bytes));
  return *this;
}

Text TextBuilder::Build() && { return Text(std::move(bytes_)); }

Text RemoveAllSpaces(const Text& text) {
  return std::move(TextBuilder().Append(WithoutSpaces(text.View()))).Build();
}

ByteString RemoveAllSpaces(const ByteString& bytes) {
  return ByteString(WithoutSpaces(bytes.View()));
}

ByteString TextToBytes(const Text& text) { return ByteString::FromBytes(text.View()); }

Text BytesToText(const ByteString& bytes) { return Text::FromBytes(bytes.View()); }

std::int32_t ByteLength(const ByteString& bytes) {
  return static_cast<std::int32_t>(bytes.View().size());
}

std::int32_t ByteAt(const ByteString& bytes, std::int32_t position) {
  if (position < 1 || position > ByteLength(bytes)) return 0;
  return static_cast<unsigned char>(bytes.View()[static_cast<std::size_t>(position) - 1]);
}

Text IntToText(std::int32_t value) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  return Text(Bytes(digits, static_cast<std::size_t>(result.ptr - digits)));
}

}  // namespace strcrypt
