#pragma once

#include <cstdint>
#include <string_view>

#include "cipher/cipher_kind.hpp"
#include "core/action_host.hpp"
#include "core/values.hpp"

namespace strcrypt {

// The start of the code line each action prints: the cipher command of the opposite
// direction, wrapped in the conversion to text.
// "到文本 (解密数据 (" — printed by encryption, decrypts its list.
inline constexpr std::string_view kEncryptCodeLineHead =
    "\xB5\xBD\xCE\xC4\xB1\xBE (\xBD\xE2\xC3\xDC\xCA\xFD\xBE\xDD (";
// "到文本 (加密数据 (" — printed by decryption, encrypts its list.
inline constexpr std::string_view kDecryptCodeLineHead =
    "\xB5\xBD\xCE\xC4\xB1\xBE (\xBC\xD3\xC3\xDC\xCA\xFD\xBE\xDD (";
// What closes the code line after the algorithm digit.
inline constexpr std::string_view kCodeLineTail = " ))";

// Selection 0 of the algorithm list is DES; anything else, no selection included, is RC4.
CipherKind KindFromSelection(std::int32_t selection);

// Behind the two buttons: run the cipher over WorkBuffer and show the result three ways.
void EncryptAction(ActionHost& host);
void DecryptAction(ActionHost& host);

// The tail both actions share: result text, code line and byte list into their boxes.
void PublishResult(ActionHost& host, CipherKind kind, std::string_view code_line_head);

// "{12,0,255}" for WorkBuffer, calling ProcessEvents after every entry.
Text FormatByteList(ActionHost& host);

}  // namespace strcrypt
