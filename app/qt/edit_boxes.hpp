#pragma once

#include <QString>
#include <QWidget>

namespace strcrypt::app::qt {

// A multi-line box: wraps at its right edge, vertical scroll bar only, Tab moves the focus,
// black on white even when read-only (read-only boxes can still be selected and copied).
QWidget* CreateMultiLineBox(bool read_only, QWidget* parent);
// A single-line, unmasked box.
QWidget* CreateSingleLineBox(QWidget* parent);
// Makes a single-line box at least one text line plus its frame high, growing downward.
void GrowToOneTextLine(QWidget& box);

QString BoxText(const QWidget& box);
void SetBoxText(QWidget& box, const QString& text);

}  // namespace strcrypt::app::qt
