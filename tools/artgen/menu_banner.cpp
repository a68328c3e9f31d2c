// Bitmap 100, the menu's banner: a detective following footprints, and the training slogan.
#include <QFont>
#include <QFontMetricsF>

#include "menu_shapes.h"

namespace artgen::menu {

namespace {

constexpr qreal kWidth = 570;
constexpr qreal kHeight = 83;
constexpr qreal kGroundTop = 61;
const QRectF kTextField(186, 4, 379, 75);

const QColor kInk(60, 40, 25);  // the outline colour of every figure
const QColor kSkin(255, 218, 182);
const QColor kCoatLight(240, 196, 110);
const QColor kCoatDark(196, 138, 58);

void draw_sky_and_ground(QPainter& painter) {
  painter.fillRect(QRectF(0, 0, kWidth, kHeight),
                   vertical_ramp(0, kGroundTop, QColor(150, 210, 250), QColor(225, 245, 255)));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 230));
  for (const auto& [x, y, s] : {std::tuple{26.0, 22.0, 1.0}, std::tuple{78.0, 10.0, 0.75}}) {
    painter.drawEllipse(QPointF(x, y), 11 * s, 6 * s);
    painter.drawEllipse(QPointF(x - 9 * s, y + 2 * s), 7 * s, 4.5 * s);
    painter.drawEllipse(QPointF(x + 10 * s, y + 2 * s), 8 * s, 4.5 * s);
  }
  QPainterPath ground;
  ground.moveTo(0, kGroundTop + 2);
  ground.cubicTo(50, kGroundTop - 3, 120, kGroundTop + 3, kTextField.left(), kGroundTop - 1);
  ground.lineTo(kTextField.left(), kHeight);
  ground.lineTo(0, kHeight);
  ground.closeSubpath();
  fill_outlined(
      painter, ground,
      vertical_ramp(kGroundTop - 3, kHeight, QColor(250, 230, 175), QColor(230, 190, 120)),
      QColor(200, 160, 90), 1);
  // Tufts of grass along the edge of the path.
  painter.setPen(QPen(QColor(80, 160, 50), 1.3, Qt::SolidLine, Qt::RoundCap));
  for (const qreal x : {12.0, 58.0, 118.0, 170.0}) {
    const qreal y = kGroundTop + 1;
    painter.drawLine(QPointF(x, y), QPointF(x - 2.5, y - 5));
    painter.drawLine(QPointF(x + 1, y), QPointF(x + 1.5, y - 6));
    painter.drawLine(QPointF(x + 2, y), QPointF(x + 5, y - 4));
  }
}

// One shoe print pointing left (toe at `toe`); `scale` enlarges it for the view through the lens.
void draw_footprint(QPainter& painter, QPointF toe, qreal scale, int alpha) {
  painter.save();
  painter.translate(toe);
  painter.scale(scale, scale);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(130, 85, 40, alpha));
  // A shoe sole: broad tread at the front, a narrow waist, a separate heel.
  QPainterPath sole;
  sole.moveTo(0, 0);
  sole.cubicTo(0, -2.8, 5.5, -3.0, 7, -1.3);
  sole.lineTo(7, 1.1);
  sole.cubicTo(5.5, 2.8, 0, 2.8, 0, 0);
  painter.drawPath(sole);
  painter.drawRoundedRect(QRectF(8.3, -1.8, 3.4, 3.6), 1.5, 1.5);
  painter.restore();
}

void draw_footprint_trail(QPainter& painter) {
  int step = 0;
  for (qreal x = 76; x > -14; x -= 17, ++step) {
    const bool left_foot = step % 2 == 0;
    painter.save();
    painter.translate(x, left_foot ? 68 : 76);
    painter.rotate(left_foot ? 6 : -6);
    draw_footprint(painter, QPointF(), 1.3, 225 - step * 16);
    painter.restore();
  }
}

void draw_legs_and_shoes(QPainter& painter) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 45));
  painter.drawEllipse(QPointF(141, 80), 21, 2.6);
  const QColor trousers(80, 88, 120);
  for (const qreal x : {130.0, 143.0}) {
    QPainterPath leg;
    leg.addRect(QRectF(x, 64, 6.5, 13));
    fill_outlined(painter, leg, trousers, kInk, 1);
    fill_outlined(painter, ellipse(QPointF(x + 1.5, 78), 6, 2.8),
                  vertical_ramp(75, 81, QColor(110, 70, 40), QColor(60, 35, 20)), kInk, 1);
  }
}

void draw_coat(QPainter& painter) {
  QPainterPath coat;
  coat.moveTo(131, 37);
  coat.cubicTo(126, 38, 125, 42, 125, 47);
  coat.lineTo(121, 70);
  coat.quadTo(140, 73, 160, 70);
  coat.lineTo(156, 47);
  coat.cubicTo(156, 42, 154, 38, 149, 37);
  coat.closeSubpath();
  QLinearGradient cloth(120, 0, 160, 0);
  cloth.setColorAt(0, kCoatLight);
  cloth.setColorAt(1, kCoatDark);
  fill_outlined(painter, coat, cloth, kInk, 1.2);

  painter.save();
  painter.setPen(QPen(kInk, 0.9));
  painter.drawLine(QPointF(139, 44), QPointF(138, 71));
  painter.setPen(QPen(QColor(150, 95, 35), 3.2));
  painter.drawLine(QPointF(124, 55), QPointF(157.5, 55));
  painter.setPen(QPen(QColor(255, 220, 90), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(136, 53.6, 4, 2.8));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(110, 65, 25));
  for (const qreal y : {47.0, 61.0, 66.0}) painter.drawEllipse(QPointF(135.5, y), 1.2, 1.2);
  painter.restore();

  // Collar: two lighter lapels round the neck.
  QPainterPath collar;
  collar.moveTo(133, 36);
  collar.lineTo(139, 46);
  collar.lineTo(135, 44);
  collar.lineTo(130, 40);
  collar.closeSubpath();
  collar.moveTo(147, 36);
  collar.lineTo(140, 46);
  collar.lineTo(145, 44);
  collar.lineTo(151, 40);
  collar.closeSubpath();
  fill_outlined(painter, collar, QColor(250, 215, 140), kInk, 0.9);
}

void draw_arm_with_magnifier(QPainter& painter) {
  const QPointF shoulder(131, 42);
  const QPointF hand(113, 57);
  painter.save();
  painter.setPen(QPen(kInk, 8.4, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(shoulder, hand + QPointF(2, -1.5));
  painter.setPen(QPen(kCoatLight, 6.2, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(shoulder, hand + QPointF(2, -1.5));
  painter.restore();

  draw_magnifier(painter, QPointF(94, 69), 9, QPointF(116, 55), 2.2,
                 [](QPainter& p) { draw_footprint(p, QPointF(86, 69), 1.35, 235); });
  fill_outlined(painter, ellipse(hand, 3.4, 3.1), kSkin, kInk, 1);
}

void draw_head_and_hat(QPainter& painter) {
  const QPointF centre(140, 25);
  QPainterPath hair;  // short hair showing at the back of the head, under the hat
  hair.moveTo(141, 15);
  hair.cubicTo(150, 14, 153, 20, 151.5, 29);
  hair.quadTo(149, 26, 147, 27);
  hair.quadTo(145, 20, 141, 15);
  fill_outlined(painter, ellipse(centre, 10.5, 11), kSkin, kInk, 1.1);
  fill_outlined(painter, hair, QColor(140, 80, 35), kInk, 1);
  fill_outlined(painter, ellipse(QPointF(148.5, 26.5), 2.6, 3), kSkin, kInk, 1);  // ear
  fill_outlined(painter, ellipse(QPointF(129.5, 27), 2.8, 2.4), kSkin, kInk, 1);  // nose
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 130, 130, 110));
  painter.drawEllipse(QPointF(136, 30.5), 2.8, 2);
  painter.setBrush(QColor(40, 30, 30));
  painter.drawEllipse(QPointF(134, 23), 1.7, 2.3);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(133.5, 22.2), 0.65, 0.65);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kInk, 1, Qt::SolidLine, Qt::RoundCap));
  painter.drawArc(QRectF(130.5, 27.5, 6, 5), 200 * 16, 110 * 16);  // smile
  painter.drawArc(QRectF(131.5, 18.5, 5, 3), 30 * 16, 120 * 16);   // raised eyebrow
  painter.restore();

  // Fedora: a dented crown, a dark band and a brim that reaches further to the front.
  QPainterPath crown;
  crown.moveTo(130, 16);
  crown.cubicTo(129, 10, 130, 5, 134, 4);
  crown.quadTo(140, 6.5, 146, 4);
  crown.cubicTo(150, 5, 151, 10, 151, 16);
  crown.closeSubpath();
  fill_outlined(painter, crown, vertical_ramp(4, 16, QColor(150, 100, 55), QColor(95, 60, 30)),
                kInk, 1.1);
  painter.fillRect(QRectF(130, 11.5, 21, 3), QColor(55, 35, 20));
  QPainterPath brim;
  brim.moveTo(123, 16.5);
  brim.quadTo(140, 12.5, 157, 15.5);
  brim.quadTo(158, 18, 150, 18);
  brim.quadTo(136, 17.5, 125, 19.5);
  brim.quadTo(121, 19, 123, 16.5);
  fill_outlined(painter, brim, QColor(115, 75, 38), kInk, 1.1);
}

void draw_detective(QPainter& painter) {
  draw_legs_and_shoes(painter);
  draw_coat(painter);
  draw_arm_with_magnifier(painter);
  draw_head_and_hat(painter);
}

// A four-pointed golden twinkle of half-size `r`.
void draw_sparkle(QPainter& painter, QPointF c, qreal r) {
  QPainterPath star;
  star.moveTo(c + QPointF(0, -r));
  star.quadTo(c, c + QPointF(r, 0));
  star.quadTo(c, c + QPointF(0, r));
  star.quadTo(c, c + QPointF(-r, 0));
  star.quadTo(c, c + QPointF(0, -r));
  fill_outlined(painter, star, QColor(255, 215, 40), QColor(220, 130, 0), 0.8);
}

// Largest bold font, up to `pixels`, with which `text` fits into `width`.
QFont fitting_font(const QString& text, int pixels, qreal width) {
  QFont font("Liberation Sans");
  font.setBold(true);
  font.setHintingPreference(QFont::PreferNoHinting);
  for (; pixels > 8; --pixels) {
    font.setPixelSize(pixels);
    if (QFontMetricsF(font).horizontalAdvance(text) <= width) break;
  }
  return font;
}

void draw_slogan_line(QPainter& painter, const QString& text, qreal baseline, int pixels,
                      const QColor& colour, qreal left, qreal width) {
  const QFont font = fitting_font(text, pixels, width);
  const qreal x = left + (width - QFontMetricsF(font).horizontalAdvance(text)) / 2;
  painter.setFont(font);
  painter.setPen(QColor(170, 205, 245));
  painter.drawText(QPointF(x + 1, baseline + 1), text);
  painter.setPen(colour);
  painter.drawText(QPointF(x, baseline), text);
}

void draw_slogan(QPainter& painter) {
  QPainterPath field;
  field.addRoundedRect(kTextField, 12, 12);
  fill_outlined(painter, field,
                vertical_ramp(kTextField.top(), kTextField.bottom(), QColor(255, 255, 250),
                              QColor(255, 243, 190)),
                QColor(60, 120, 210), 2);

  const QRectF brain_box(kTextField.right() - 64, 15, 54, 44);
  draw_brain(painter, brain_box, 1.3);
  draw_brain_face(painter, brain_box);
  draw_sparkle(painter, QPointF(brain_box.left() - 2, 15), 5);
  draw_sparkle(painter, QPointF(brain_box.right() + 3, 17), 4);
  draw_sparkle(painter, QPointF(brain_box.right(), 64), 4.5);

  const qreal left = kTextField.left() + 8;
  const qreal width = brain_box.left() - 10 - left;
  draw_slogan_line(painter, "Trainiere dein Gedächtnis!", 27, 22, QColor(15, 55, 170), left, width);
  draw_slogan_line(painter, "Übe jeden Tag ein bisschen –", 49, 17, QColor(30, 90, 210), left,
                   width);
  draw_slogan_line(painter, "so wirst du ein echtes Superhirn!", 70, 17, QColor(30, 90, 210), left,
                   width);
}

}  // namespace

void draw_banner(QPainter& painter) {
  draw_sky_and_ground(painter);
  draw_footprint_trail(painter);
  draw_detective(painter);
  draw_slogan(painter);
  painter.setPen(QPen(QColor(40, 70, 140), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
}

}  // namespace artgen::menu
