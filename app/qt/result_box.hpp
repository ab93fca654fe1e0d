#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <vector>

namespace strcrypt::app::qt {

// A read-only box for results, which can be megabytes on one line (a byte list). Qt lays out
// a paragraph as a whole, in time that grows faster than its length; this box cuts a long
// line into blocks of whole display rows, cut where wrapping at the right edge breaks the
// row anyway, and still reads and copies exactly the text it was given.
class ResultBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  // Display rows in one block of a long line.
  static constexpr int kRowsPerBlock = 64;

  explicit ResultBox(QWidget* parent);

  void SetText(const QString& text);
  const QString& Text() const { return text_; }

 protected:
  QMimeData* createMimeDataFromSelection() const override;

 private:
  QString Displayed(const QString& text);
  qsizetype TextPosition(int displayed_position) const;

  QString text_;
  std::vector<int> inserted_breaks_;  // displayed positions of the breaks this box added
};

}  // namespace strcrypt::app::qt
