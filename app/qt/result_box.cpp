#include "app/qt/result_box.hpp"

#include <QFontMetricsF>
#include <QMimeData>
#include <QTextDocument>
#include <algorithm>

namespace strcrypt::app::qt {
namespace {

// Lines up to this length are left to Qt's own wrapping, which also breaks at word ends.
constexpr qsizetype kLongLine = 2048;

}  // namespace

ResultBox::ResultBox(QWidget* parent) : QPlainTextEdit(parent) {}

void ResultBox::SetText(const QString& text) {
  text_ = text;
  inserted_breaks_.clear();
  const QString displayed = Displayed(text);
  setWordWrapMode(inserted_breaks_.empty() ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                           : QTextOption::WrapAnywhere);
  setPlainText(displayed);
}

QString ResultBox::Displayed(const QString& text) {
  qsizetype longest = 0;
  for (qsizetype start = 0; start < text.size();) {
    qsizetype end = text.indexOf(u'\n', start);
    if (end < 0) end = text.size();
    longest = std::max(longest, end - start);
    start = end + 1;
  }
  if (longest <= kLongLine) return text;

  // The width Qt wraps at: the viewport less the document's margins. Blocks end only where a
  // row ends, so inside a block Qt's own wrapping finds the same rows.
  const QFontMetricsF metrics(font());
  const qreal width = viewport()->width() - 2 * document()->documentMargin();
  QString shown;
  shown.reserve(text.size() + text.size() / 16);
  qreal row = 0;
  int rows = 0;
  qreal advance_cache[128] = {};
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'\n') {
      shown += c;
      row = 0;
      continue;
    }
    qreal advance = 0;
    if (c.unicode() < 128) {
      qreal& cached = advance_cache[c.unicode()];
      if (cached == 0) cached = metrics.horizontalAdvance(c);
      advance = cached;
    } else if (!c.isLowSurrogate()) {
      const qsizetype length = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
      advance = metrics.horizontalAdvance(text.mid(i, length));
    }
    if (row + advance > width && row > 0 && !c.isLowSurrogate()) {
      row = 0;
      if (++rows % kRowsPerBlock == 0) {
        inserted_breaks_.push_back(static_cast<int>(shown.size()));
        shown += u'\n';
      }
    }
    shown += c;
    row += advance;
  }
  return shown;
}

qsizetype ResultBox::TextPosition(int displayed_position) const {
  const auto before =
      std::lower_bound(inserted_breaks_.begin(), inserted_breaks_.end(), displayed_position) -
      inserted_breaks_.begin();
  return displayed_position - before;
}

QMimeData* ResultBox::createMimeDataFromSelection() const {
  const QTextCursor cursor = textCursor();
  const qsizetype from = TextPosition(cursor.selectionStart());
  const qsizetype to = TextPosition(cursor.selectionEnd());
  auto* mime = new QMimeData;
  mime->setText(text_.mid(from, to - from));
  return mime;
}

}  // namespace strcrypt::app::qt
