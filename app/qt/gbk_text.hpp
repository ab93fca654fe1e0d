#pragma once

#include <QString>
#include <string_view>

#include "core/values.hpp"

namespace strcrypt::app::qt {

// The window's side of the GBK boundary. Going in, characters GBK cannot hold become "?",
// as the desktop's own ANSI conversion does, and line breaks become CR LF; going out, bytes
// that are not GBK show as the replacement character and CR LF becomes a plain line break.
Text ToGbkText(const QString& text);
QString FromGbk(std::string_view gbk);

}  // namespace strcrypt::app::qt
