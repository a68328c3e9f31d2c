// Conversions between the library's value types and Qt's; private to the library.
#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QPixmap>
#include <QString>

#include "wgraphics.h"
#include "wstring.h"

struct WBitmapData {
  QPixmap pixmap;  // device-pixel ratio set, so its logical size is the layout size
};

struct WCursorData {
  QCursor cursor;
  QPoint hotspot;
};

inline QString ToQString(const WString& text) {
  return QString::fromStdString(text.str());
}
inline WString FromQString(const QString& text) {
  return WString(text.toStdString());
}
inline QColor ToQColor(WColor color) {
  return QColor(color.red, color.green, color.blue);
}

// The Qt font for a font description; "MS Sans Serif" becomes a metric-friendly sans font.
QFont ToQFont(const WFont& font);

// The picture `<folder>/<id>.png` of the resources, its "@2x" copy on dense screens.
QPixmap LoadResourcePicture(const QString& folder, int id);
