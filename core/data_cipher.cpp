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
  // The frame is built in the result itself: the enciphered frame is the whole result.
  Bytes frame(*frame_length, '\0');
  WriteFrame(AsBytes(data.View()), AsWritableBytes(frame));
  ScheduleFor(password, DesDirection::kEncipher).ProcessBlocks(AsWritableBytes(frame));
  return ByteString(std::move(frame));
}

ByteString DecryptData(const ByteString& data, const Text& password, CipherKind kind) {
  if (data.IsEmpty()) return {};
  if (SelectsRc4(kind)) return Rc4Data(data, password);

  const std::size_t length = data.View().size();
  if (length % 8 != 0) return {};
  // Working storage that cannot be had gives the empty result, not a fatal error.
  const std::unique_ptr<std::uint8_t[]> work(new (std::nothrow) std::uint8_t[length]);
  if (!work) return {};
  const std::span<std::uint8_t> frame(work.get(), length);
  const auto source = AsBytes(data.View());
  std::copy(source.begin(), source.end(), frame.begin());
  ScheduleFor(password, DesDirection::kDecipher).ProcessBlocks(frame);

  const auto data_length = AcceptedDataLength(frame);
  if (!data_length) return {};
  const auto* first = reinterpret_cast<const char*>(frame.data() + kFrameHeaderSize);
  return ByteString::FromBytes(std::string_view(first, *data_length));
}

}  // namespace strcrypt
