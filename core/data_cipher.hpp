#pragma once

#include "cipher/cipher_kind.hpp"
#include "core/values.hpp"

namespace strcrypt {

// The password cipher whose byte format every printed code line depends on: DES-ECB over the
// length frame under the folded password, or RC4 when `kind` is 2. Neither fails: whatever
// cannot be produced comes back as the empty ByteString.
ByteString EncryptData(const ByteString& data, const Text& password, CipherKind kind = kDesKind);
ByteString DecryptData(const ByteString& data, const Text& password, CipherKind kind = kDesKind);

}  // namespace strcrypt
