#include "core/gbk_codec.hpp"

#include <iconv.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <stdexcept>
#include <vector>

namespace strcrypt {
namespace {

// Code page 936, where 0x80 is the euro sign; glibc's plain "GBK" agrees, but this name
// says which table is meant.
constexpr const char* kGbk = "CP936";

class Converter {
 public:
  Converter(const std::string& to, const std::string& from)
      : handle_(iconv_open(to.c_str(), from.c_str())) {
    if (handle_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::invalid_argument("unknown encoding: " + (to == kGbk ? from : to));
    }
  }
  ~Converter() { iconv_close(handle_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts as much of `in` as it can, appending to `out`; returns errno of the stop (0 when
  // everything went).
  int Convert(std::string_view& in, std::string& out) {
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    char* source = const_cast<char*>(in.data());
    std::size_t source_left = in.size();
    int stop = 0;
    char buffer[4096];
    while (source_left > 0) {
      char* target = buffer;
      std::size_t target_left = sizeof buffer;
      const std::size_t result = iconv(handle_, &source, &source_left, &target, &target_left);
      out.append(buffer, static_cast<std::size_t>(target - buffer));
      if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
        stop = errno;
        break;
      }
    }
    in.remove_prefix(in.size() - source_left);
    return stop;
  }

 private:
  iconv_t handle_;
};

std::u32string ToCodePoints(std::string_view text, const std::string& encoding,
                            std::optional<GbkEncodeError>& error) {
  Converter to_utf32("UTF-32LE", encoding);
  std::string raw;
  std::string_view rest = text;
  if (to_utf32.Convert(rest, raw) != 0) {
    error = GbkEncodeError{GbkEncodeError::Kind::kInvalidInput, raw.size() / 4 + 1, 0};
  }
  std::u32string code_points(raw.size() / 4, U'\0');
  for (std::size_t i = 0; i < code_points.size(); ++i) {
    const auto* b = reinterpret_cast<const unsigned char*>(raw.data() + 4 * i);
    code_points[i] =
        char32_t{b[0]} | (char32_t{b[1]} << 8) | (char32_t{b[2]} << 16) | (char32_t{b[3]} << 24);
  }
  return code_points;
}

}  // namespace

bool IsGbkName(std::string_view encoding) {
  std::string upper(encoding);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return upper == "GBK" || upper == "CP936" || upper == "MS936" || upper == "WINDOWS-936";
}

GbkEncoding EncodeToGbk(std::string_view text, const std::string& encoding, OnUnencodable policy) {
  GbkEncoding result;
  if (IsGbkName(encoding)) {
    result.bytes.assign(text);
    return result;
  }
  const std::u32string code_points = ToCodePoints(text, encoding, result.error);
  if (result.error) return result;

  Converter to_gbk(kGbk, "UTF-32LE");
  std::string raw(reinterpret_cast<const char*>(code_points.data()), code_points.size() * 4);
  std::string_view rest = raw;
  result.bytes.reserve(text.size());
  while (!rest.empty()) {
    if (to_gbk.Convert(rest, result.bytes) == 0) break;
    const std::size_t index = (raw.size() - rest.size()) / 4;
    if (policy == OnUnencodable::kFail) {
      result.error = GbkEncodeError{GbkEncodeError::Kind::kNotInGbk, index + 1, code_points[index]};
      return result;
    }
    result.bytes.push_back('?');
    rest.remove_prefix(4);
  }
  return result;
}

std::string DecodeFromGbk(std::string_view gbk, const std::string& encoding) {
  if (IsGbkName(encoding)) return std::string(gbk);
  std::string replacement;
  {
    Converter from_utf8(encoding, "UTF-8");
    std::string_view mark = "\xEF\xBF\xBD";
    if (from_utf8.Convert(mark, replacement) != 0) replacement = "?";
  }
  Converter from_gbk(encoding, kGbk);
  std::string out;
  out.reserve(gbk.size() + gbk.size() / 2);
  std::string_view rest = gbk;
  while (!rest.empty()) {
    if (from_gbk.Convert(rest, out) == 0) break;
    out += replacement;
    rest.remove_prefix(1);
  }
  return out;
}

}  // namespace strcrypt
