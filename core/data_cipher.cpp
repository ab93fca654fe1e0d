#include "core/data_cipher.hpp"

#include <cstdint>
#include <memory>
#include <new>
#include <span>

#include "cipher/des.hpp"
#include "cipher/frame.hpp"
#include "cipher/key_fold.hpp"
#include "cipher/rc4.hpp"

namespace strcrypt {
namespace {

std::span<const std::uint8_t> AsBytes(std::string_view bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

std::span<std::uint8_t> AsWritableBytes(Bytes& bytes) {
  return {reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()};
}

std::string_view AsView(std::span<const std::uint8_t> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// The frame the transform runs on. Working storage that cannot be had gives the empty
// result; only the result itself is allocated as a value, where failing is fatal.
std::unique_ptr<std::uint8_t[]> WorkingStorage(std::size_t bytes) {
  return std::unique_ptr<std::uint8_t[]>(new (std::nothrow) std::uint8_t[bytes]);
}

DesKeySchedule ScheduleFor(const Text& password, DesDirection direction) {
  return DesKeySchedule(StandardKeyOf(FoldKey(AsBytes(password.View()))), direction);
}

ByteString Rc4Data(const ByteString& data, const Text& password) {
  Bytes out(data.View());
  Rc4Apply(AsBytes(password.View()), AsWritableBytes(out));
  return ByteString(std::move(out));
}

}  // namespace

ByteString EncryptData(const ByteString& data, const Text& password, CipherKind kind) {
  if (data.IsEmpty()) return {};
  if (SelectsRc4(kind)) return Rc4Data(data, password);

  const auto frame_length = FrameLength(data.View().size());
  if (!frame_length) return {};
  const auto work = WorkingStorage(*frame_length);
  if (!work) return {};
  const std::span<std::uint8_t> frame(work.get(), *frame_length);
  WriteFrame(AsBytes(data.View()), frame);
  ScheduleFor(password, DesDirection::kEncipher).ProcessBlocks(frame);
  return ByteString::FromBytes(AsView(frame));
}

ByteString DecryptData(const ByteString& data, const Text& password, CipherKind kind) {
  if (data.IsEmpty()) return {};
  if (SelectsRc4(kind)) return Rc4Data(data, password);

  const std::size_t length = data.View().size();
  if (length % 8 != 0) return {};
  const auto work = WorkingStorage(length);
  if (!work) return {};
  const std::span<std::uint8_t> frame(work.get(), length);
  const auto source = AsBytes(data.View());
  std::copy(source.begin(), source.end(), frame.begin());
  ScheduleFor(password, DesDirection::kDecipher).ProcessBlocks(frame);

  const auto data_length = AcceptedDataLength(frame);
  if (!data_length) return {};
  return ByteString::FromBytes(AsView(frame.subspan(kFrameHeaderSize, *data_length)));
}

}  // namespace strcrypt
