#pragma once

#include <QString>
#include <QWidget>

namespace strcrypt::app::qt {

// A text link to a web address: blue, dark blue while the pointer is over it, dark red once
// opening it succeeded. It opens on the press of the left button and never takes the focus.
class Hyperlink : public QWidget {
  Q_OBJECT

 public:
  Hyperlink(const QString& text, QString target, QWidget* parent);

  bool IsHovered() const { return hovered_; }
  bool IsVisited() const { return visited_; }
  QColor TextColour() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QString text_;
  QString target_;
  bool hovered_ = false;
  bool visited_ = false;
};

// Opens `target` in the user's web browser: the desktop's open action first, then the
// browsers the desktop names ($BROWSER, xdg-open, x-www-browser), started without a shell.
bool OpenInBrowser(const QString& target);

}  // namespace strcrypt::app::qt
