// Card set "2": animals and things on a light violet ground, drawn with the Noto Color Emoji
// font (the generator needs the font; the program only reads the finished pictures).
#include <QFont>
#include <QPainterPath>

#include "memory_art.h"
#include "memory_solid.h"

namespace artgen::memory {

namespace {

constexpr QSize kCard(87, 79);
const QColor kViolet(220, 200, 250);

// Draws one emoji with its middle at `middle`, `height` pixels tall.
void draw_emoji(QPainter& painter, const QString& emoji, QPointF middle, double height) {
  QFont font("Noto Color Emoji");
  font.setPixelSize(100);
  painter.save();
  painter.translate(middle);
  painter.scale(height / 100.0, height / 100.0);
  painter.setFont(font);
  // A generous box around the middle; the font centres the glyph in it.
  painter.drawText(QRectF(-100, -70, 200, 140), Qt::AlignCenter, emoji);
  painter.restore();
}

// A picture of one emoji filling most of the card.
// `height` is the font's em size; wide glyphs such as the bicycle need a larger one to fill the
// card.
Drawing single(const QString& emoji, double height = 72) {
  return [emoji, height](QPainter& p) {
    fill_background(p, kCard, kViolet);
    draw_emoji(p, emoji, {43.5, 40}, height);
  };
}

void draw_toadstool(QPainter& p) {
  fill_background(p, kCard, kViolet);
  draw_emoji(p, QString::fromUtf8("🍄"), {43.5, 34}, 56);
  draw_emoji(p, QString::fromUtf8("🌼"), {15, 63}, 24);
  draw_emoji(p, QString::fromUtf8("🌼"), {72, 63}, 24);
  draw_emoji(p, QString::fromUtf8("🌷"), {29, 66}, 20);
}

// The duckling swims: blue water with a few white wave lines under it.
void draw_duckling(QPainter& p) {
  fill_background(p, kCard, QColor(90, 160, 240));
  p.setPen(QPen(QColor(230, 245, 255), 2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  for (double y : {64.0, 72.0}) {
    QPainterPath wave;
    wave.moveTo(6, y);
    for (double x = 6; x < 81; x += 12) {
      wave.quadTo(x + 3, y - 4, x + 6, y);
      wave.quadTo(x + 9, y + 4, x + 12, y);
    }
    p.drawPath(wave);
  }
  draw_emoji(p, QString::fromUtf8("🐥"), {43.5, 34}, 54);
}

}  // namespace

FaceSet clipart_faces() {
  return {"Memory 2: Allerlei",
          {{123, kCard, single(QString::fromUtf8("🦔"))},
           {124, kCard, single(QString::fromUtf8("🐦"))},
           {125, kCard, single(QString::fromUtf8("🐣"))},
           {126, kCard, draw_toadstool},
           {127, kCard, single(QString::fromUtf8("🚲"), 80)},
           {128, kCard, single(QString::fromUtf8("🐖"))},
           {129, kCard, single(QString::fromUtf8("🐕"))},
           {130, kCard, single(QString::fromUtf8("🧸"))},
           {131, kCard, single(QString::fromUtf8("💐"))},
           {132, kCard, draw_duckling}}};
}

}  // namespace artgen::memory
