// DecryptData on arbitrary bytes, password and kind: it must never crash, and what it gives
// back must be consistent with the format.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "core/data_cipher.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto kind = input.ConsumeIntegral<strcrypt::CipherKind>();
  const strcrypt::Text password = strcrypt::Text::FromBytes(input.ConsumeRandomLengthString(300));
  const std::string bytes = input.ConsumeRemainingBytesAsString();
  const strcrypt::ByteString result =
      strcrypt::DecryptData(strcrypt::ByteString::FromBytes(bytes), password, kind);
  if (kind == strcrypt::kRc4Kind) {
    if (result.View().size() != bytes.size()) std::abort();
  } else if (result.View().size() + 4 > bytes.size() && !result.IsEmpty()) {
    std::abort();  // DES data is always shorter than its frame
  }
  return 0;
}
