#include "app/qt/edit_boxes.hpp"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextOption>

#include "app/qt/result_box.hpp"

namespace strcrypt::app::qt {
namespace {

// Black on white in every state, and the selection shown only while the box has the focus.
class BoxLooks : public QObject {
 public:
  explicit BoxLooks(QWidget& box) : QObject(&box) {
    QPalette palette = box.palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      palette.setColor(group, QPalette::Base, Qt::white);
      palette.setColor(group, QPalette::Text, Qt::black);
    }
    focused_ = palette;
    unfocused_ = palette;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
      unfocused_.setColor(group, QPalette::Highlight, Qt::white);
      unfocused_.setColor(group, QPalette::HighlightedText, Qt::black);
    }
    box.setPalette(unfocused_);
    box.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
      static_cast<QWidget*>(watched)->setPalette(event->type() == QEvent::FocusIn ? focused_
                                                                                  : unfocused_);
    }
    return false;
  }

 private:
  QPalette focused_;
  QPalette unfocused_;
};

}  // namespace

QWidget* CreateMultiLineBox(bool read_only, QWidget* parent) {
  QPlainTextEdit* box = read_only ? new ResultBox(parent) : new QPlainTextEdit(parent);
  box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Always there, as on a classic edit box: a bar that appears with a long result narrows
  // the text and lays the whole text out a second time.
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setTabChangesFocus(true);
  box->setUndoRedoEnabled(!read_only);
  if (read_only) {
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  }
  new BoxLooks(*box);
  return box;
}

QWidget* CreateSingleLineBox(QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setEchoMode(QLineEdit::Normal);
  box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  new BoxLooks(*box);
  return box;
}

void GrowToOneTextLine(QWidget& box) {
  const int needed = box.minimumSizeHint().height();
  if (box.height() < needed) box.resize(box.width(), needed);
}

QString BoxText(const QWidget& box) {
  if (const auto* result = qobject_cast<const ResultBox*>(&box)) return result->Text();
  if (const auto* line = qobject_cast<const QLineEdit*>(&box)) return line->text();
  if (const auto* lines = qobject_cast<const QPlainTextEdit*>(&box)) return lines->toPlainText();
  return {};
}

void SetBoxText(QWidget& box, const QString& text) {
  if (auto* result = qobject_cast<ResultBox*>(&box)) {
    result->SetText(text);
  } else if (auto* line = qobject_cast<QLineEdit*>(&box)) {
    line->setText(text);
  } else if (auto* lines = qobject_cast<QPlainTextEdit*>(&box)) {
    lines->setPlainText(text);
  }
}

}  // namespace strcrypt::app::qt
