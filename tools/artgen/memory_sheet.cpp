// The contact sheet: every memory card and pointer at double size, grouped by set and labelled
// with its resource number, so that the whole artwork can be judged at a glance.
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "memory_art.h"

namespace artgen::memory {

namespace {

constexpr int kScale = 2;
constexpr int kMargin = 16;
constexpr int kGap = 14;
constexpr int kColumns = 5;
constexpr int kHeading = 30;
constexpr int kLabel = 18;
constexpr QSize kCell(88 * kScale, 82 * kScale);
constexpr int kPointerScale = 4;

QFont sheet_font(int pixels, bool bold) {
  QFont font("Liberation Sans");
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

int row_height() {
  return kCell.height() + kLabel + kGap;
}

// Draws a picture at the top left of its cell with its number underneath.
void draw_card(QPainter& painter, QPoint at, const Picture& picture) {
  painter.drawImage(at, render(picture.size, kScale, picture.draw));
  painter.setFont(sheet_font(13, false));
  painter.drawText(
      QRect(at.x(), at.y() + picture.size.height() * kScale + 2, kCell.width(), kLabel),
      Qt::AlignLeft | Qt::AlignTop,
      QString("%1  (%2 x %3)")
          .arg(picture.number)
          .arg(picture.size.width())
          .arg(picture.size.height()));
}

// Draws a pointer enlarged on a grey checker (to show its transparent parts) with its hot spot.
void draw_pointer(QPainter& painter, QPoint at, const Pointer& pointer) {
  const int side = 32 * kPointerScale;
  for (int y = 0; y < side; y += 8) {
    for (int x = 0; x < side; x += 8) {
      painter.fillRect(at.x() + x, at.y() + y, 8, 8,
                       ((x + y) / 8) % 2 ? QColor(200, 200, 200) : QColor(235, 235, 235));
    }
  }
  painter.drawImage(QRect(at, QSize(side, side)),
                    render(QSize(32, 32), kPointerScale, pointer.draw));
  painter.setPen(Qt::magenta);
  const QPoint spot = at + pointer.hotspot * kPointerScale;
  painter.drawEllipse(spot, 3, 3);
  painter.setPen(Qt::black);
  painter.setFont(sheet_font(13, false));
  painter.drawText(QRect(at.x(), at.y() + side + 2, side + 40, kLabel), Qt::AlignLeft,
                   QString("cursor %1, hot spot %2,%3")
                       .arg(pointer.number)
                       .arg(pointer.hotspot.x())
                       .arg(pointer.hotspot.y()));
}

void draw_heading(QPainter& painter, int top, const QString& text) {
  painter.setPen(Qt::black);
  painter.setFont(sheet_font(18, true));
  painter.drawText(QRect(kMargin, top, 900, kHeading), Qt::AlignLeft | Qt::AlignVCenter, text);
}

}  // namespace

void write_contact_sheet(const QString& path, const Picture& back, const std::vector<FaceSet>& sets,
                         const std::vector<Pointer>& pointers) {
  const int width = 2 * kMargin + kColumns * kCell.width() + (kColumns - 1) * kGap;
  const int first_block = kHeading + row_height();
  int height = kMargin + first_block;
  for (const FaceSet& set : sets) {
    const int rows = (static_cast<int>(set.faces.size()) + kColumns - 1) / kColumns;
    height += kHeading + rows * row_height();
  }
  height += kMargin;

  QImage sheet(width, height, QImage::Format_RGB32);
  sheet.fill(QColor(250, 250, 250));
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::TextAntialiasing);

  int top = kMargin;
  draw_heading(painter, top, "Card back and mouse pointers");
  top += kHeading;
  painter.setPen(Qt::black);
  draw_card(painter, QPoint(kMargin, top), back);
  for (std::size_t i = 0; i < pointers.size(); ++i) {
    const int left = kMargin + (static_cast<int>(i) + 1) * (kCell.width() + kGap) + 10;
    draw_pointer(painter, QPoint(left, top), pointers[i]);
  }
  top += row_height();

  for (const FaceSet& set : sets) {
    draw_heading(painter, top, set.heading);
    top += kHeading;
    for (std::size_t i = 0; i < set.faces.size(); ++i) {
      const int column = static_cast<int>(i) % kColumns;
      const int row = static_cast<int>(i) / kColumns;
      painter.setPen(Qt::black);
      draw_card(painter,
                QPoint(kMargin + column * (kCell.width() + kGap), top + row * row_height()),
                set.faces[i]);
    }
    top += ((static_cast<int>(set.faces.size()) + kColumns - 1) / kColumns) * row_height();
  }
  painter.end();

  QDir().mkpath(QFileInfo(path).absolutePath());
  if (!sheet.save(path, "PNG")) {
    std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
    std::exit(1);
  }
}

}  // namespace artgen::memory
