#include "app/qt/hyperlink.hpp"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace strcrypt::app::qt {
namespace {

const QColor kNormal(0, 0, 255);
const QColor kHover(10, 36, 106);
const QColor kVisited(128, 0, 0);

QStringList FallbackBrowsers() {
  QStringList browsers = qEnvironmentVariable("BROWSER").split(u':', Qt::SkipEmptyParts);
  browsers << QStringLiteral("xdg-open") << QStringLiteral("x-www-browser")
           << QStringLiteral("sensible-browser");
  return browsers;
}

}  // namespace

bool OpenInBrowser(const QString& target) {
  if (target.isEmpty()) return false;
  if (QDesktopServices::openUrl(QUrl::fromUserInput(target))) return true;
  for (const QString& browser : FallbackBrowsers()) {
    const QString program = QStandardPaths::findExecutable(browser);
    if (!program.isEmpty() && QProcess::startDetached(program, {target})) return true;
  }
  return false;
}

Hyperlink::Hyperlink(const QString& text, QString target, QWidget* parent)
    : QWidget(parent), text_(text), target_(std::move(target)) {
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_Hover);
}

QColor Hyperlink::TextColour() const {
  if (hovered_) return kHover;
  return visited_ ? kVisited : kNormal;
}

void Hyperlink::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  painter.setPen(TextColour());
  painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text_);
}

void Hyperlink::enterEvent(QEnterEvent* /*event*/) {
  hovered_ = true;
  update();
}

void Hyperlink::leaveEvent(QEvent* /*event*/) {
  hovered_ = false;
  update();
}

void Hyperlink::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  // Visited means the last attempt worked: a failure clears an earlier success.
  visited_ = OpenInBrowser(target_);
  if (visited_) update();
}

}  // namespace strcrypt::app::qt
