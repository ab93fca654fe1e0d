// Encrypt then decrypt with the same password and kind gives the data back.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "core/data_cipher.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto kind = input.ConsumeIntegral<strcrypt::CipherKind>();
  const strcrypt::Text password = strcrypt::Text::FromBytes(input.ConsumeRandomLengthString(300));
  const strcrypt::ByteString plain =
      strcrypt::ByteString::FromBytes(input.ConsumeRemainingBytesAsString());
  const strcrypt::ByteString encrypted = strcrypt::EncryptData(plain, password, kind);
  if (strcrypt::DecryptData(encrypted, password, kind) != plain) std::abort();
  return 0;
}
