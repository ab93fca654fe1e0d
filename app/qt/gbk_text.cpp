#include "app/qt/gbk_text.hpp"

#include "core/gbk_codec.hpp"

namespace strcrypt::app::qt {

Text ToGbkText(const QString& text) {
  QString with_crlf = text;
  with_crlf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  with_crlf.replace(QChar(u'\n'), QStringLiteral("\r\n"));
  const QByteArray utf8 = with_crlf.toUtf8();
  // Qt hands out well-formed UTF-16, so the only failure left is a character outside GBK.
  const GbkEncoding gbk =
      EncodeToGbk(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                  "UTF-8", OnUnencodable::kQuestionMark);
  return Text::FromBytes(gbk.bytes);
}

QString FromGbk(std::string_view gbk) {
  const std::string utf8 = DecodeFromGbk(gbk, "UTF-8");
  QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

}  // namespace strcrypt::app::qt
