// Fonts, bitmaps and pointers from descriptions and resource numbers.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <charconv>
#include <string>
#include <vector>

#include "qt_bridge.h"

namespace {

std::vector<std::string_view> SplitAtDots(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t dot = text.find('.'); dot != std::string_view::npos;
       start = dot + 1, dot = text.find('.', start)) {
    parts.push_back(text.substr(start, dot - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

// The face the program was designed with has no free version; Liberation Sans keeps
// texts inside their controls at the dialog-unit sizes.
QString SubstituteFace(const WString& face) {
  if (face.view() == "MS Sans Serif") return QStringLiteral("Liberation Sans");
  return ToQString(face);
}

bool IsDense() {
  return qApp && qApp->devicePixelRatio() > 1.0;
}

}  // namespace

WFont::WFont(std::string_view description) {
  const auto parts = SplitAtDots(description);
  int size = 0;
  const auto [end, error] =
      std::from_chars(parts[0].data(), parts[0].data() + parts[0].size(), size);
  if (parts.size() < 2 || error != std::errc() || end != parts[0].data() + parts[0].size() ||
      size <= 0 || parts[1].empty()) {
    return;
  }
  point_size_ = size;
  face_ = WString(parts[1]);
  for (std::size_t i = 2; i < parts.size(); ++i) {
    bold_ = bold_ || parts[i] == "Bold";
    italic_ = italic_ || parts[i] == "Italic";
    underlined_ = underlined_ || parts[i] == "Underline";
  }
}

int WFont::PixelSize() const {
  return (point_size_ * 96 + 36) / 72;
}

QFont ToQFont(const WFont& font) {
  QFont qfont(SubstituteFace(font.Face()));
  qfont.setPixelSize(font.PixelSize());
  qfont.setBold(font.IsBold());
  qfont.setItalic(font.IsItalic());
  qfont.setUnderline(font.IsUnderlined());
  return qfont;
}

QPixmap LoadResourcePicture(const QString& folder, int id) {
  const QString base = QStringLiteral(":/%1/%2").arg(folder).arg(id);
  const QString sharp = base + QStringLiteral("@2x.png");
  if (IsDense() && QFile::exists(sharp)) {
    QPixmap pixmap(sharp);
    pixmap.setDevicePixelRatio(2.0);
    return pixmap;
  }
  return QPixmap(base + QStringLiteral(".png"));
}

WBitmap::WBitmap(int resource_id) : id_(resource_id) {
  auto data = std::make_shared<WBitmapData>();
  data->pixmap = LoadResourcePicture(QStringLiteral("bitmaps"), resource_id);
  data_ = std::move(data);
}

bool WBitmap::IsLoaded() const {
  return data_ && !data_->pixmap.isNull();
}
int WBitmap::Width() const {
  return IsLoaded() ? data_->pixmap.deviceIndependentSize().width() : 0;
}
int WBitmap::Height() const {
  return IsLoaded() ? data_->pixmap.deviceIndependentSize().height() : 0;
}

WCursor::WCursor(int resource_id) : id_(resource_id) {
  auto data = std::make_shared<WCursorData>();
  const QPixmap pixmap = LoadResourcePicture(QStringLiteral("cursors"), resource_id);
  // The generator records the hot spot in the picture's "hotspot" text as "x,y".
  const QImage image(QStringLiteral(":/cursors/%1.png").arg(resource_id));
  const QStringList spot = image.text(QStringLiteral("hotspot")).split(',');
  if (spot.size() == 2) data->hotspot = QPoint(spot[0].toInt(), spot[1].toInt());
  if (!pixmap.isNull()) data->cursor = QCursor(pixmap, data->hotspot.x(), data->hotspot.y());
  data_ = std::move(data);
}

bool WCursor::IsLoaded() const {
  return data_ && !data_->cursor.pixmap().isNull();
}
int WCursor::HotSpotX() const {
  return data_ ? data_->hotspot.x() : 0;
}
int WCursor::HotSpotY() const {
  return data_ ? data_->hotspot.y() : 0;
}
