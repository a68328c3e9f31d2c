// Bitmap 101: a child working at a computer.
#include <cmath>

#include "menu_shapes.h"

namespace artgen::menu {

namespace {

const QColor kInk(55, 40, 35);  // the outline colour of every shape
const QColor kSkin(255, 218, 182);
const QColor kShirtLight(110, 215, 110);
const QColor kShirtDark(50, 160, 70);
const QColor kHair(170, 95, 40);

void draw_room(QPainter& painter) {
  painter.fillRect(QRectF(0, 0, 95, 83),
                   vertical_ramp(0, 60, QColor(255, 246, 215), QColor(255, 228, 180)));
  // A window with a bit of sky and a cloud.
  QPainterPath frame;
  frame.addRoundedRect(QRectF(3, 3, 24, 14), 1.5, 1.5);
  fill_outlined(painter, frame, Qt::white, QColor(150, 120, 90), 1);
  painter.fillRect(QRectF(5, 5, 20, 10),
                   vertical_ramp(5, 15, QColor(120, 195, 250), QColor(200, 235, 255)));
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(11, 11), 3.5, 2);
  painter.drawEllipse(QPointF(14, 10), 3, 2.2);
  painter.setPen(QPen(Qt::white, 1.5));
  painter.drawLine(QPointF(15, 4), QPointF(15, 16));

  QPainterPath chair;  // back rest behind the child
  chair.addRoundedRect(QRectF(2.5, 40, 9, 40), 3, 3);
  fill_outlined(painter, chair, vertical_ramp(40, 80, QColor(90, 150, 255), QColor(40, 90, 200)),
                kInk, 1);
}

void draw_body(QPainter& painter) {
  QPainterPath legs;
  legs.addRoundedRect(QRectF(14, 68, 30, 9), 4, 4);
  fill_outlined(painter, legs, vertical_ramp(68, 77, QColor(80, 110, 200), QColor(50, 75, 150)),
                kInk, 1);
  QPainterPath torso;
  torso.moveTo(20, 44);
  torso.cubicTo(14, 45, 12, 50, 12.5, 58);
  torso.lineTo(13.5, 74);
  torso.quadTo(24, 76, 34, 73);
  torso.lineTo(33, 54);
  torso.cubicTo(33, 48, 31, 44, 27, 44);
  torso.closeSubpath();
  QLinearGradient cloth(12, 0, 34, 0);
  cloth.setColorAt(0, kShirtDark);
  cloth.setColorAt(1, kShirtLight);
  fill_outlined(painter, torso, cloth, kInk, 1.1);
  // A yellow star on the shirt.
  QPainterPath star;
  const QPointF c(24, 60);
  for (int i = 0; i < 10; ++i) {
    const qreal r = (i % 2 == 0) ? 4.2 : 1.8;
    const qreal a = M_PI / 5 * i - M_PI / 2;
    const QPointF p = c + QPointF(r * std::cos(a), r * std::sin(a));
    i == 0 ? star.moveTo(p) : star.lineTo(p);
  }
  star.closeSubpath();
  fill_outlined(painter, star, QColor(255, 220, 50), QColor(210, 140, 0), 0.7);
}

void draw_desk(QPainter& painter) {
  QPainterPath top;
  top.moveTo(38, 55);
  top.lineTo(95, 55);
  top.lineTo(95, 62);
  top.lineTo(34, 62);
  top.closeSubpath();
  fill_outlined(painter, top, vertical_ramp(55, 62, QColor(245, 195, 120), QColor(225, 160, 85)),
                kInk, 1);
  QPainterPath front;
  front.addRect(QRectF(34, 62, 62, 22));
  fill_outlined(painter, front, vertical_ramp(62, 83, QColor(200, 130, 60), QColor(160, 95, 40)),
                kInk, 1);
  QPainterPath drawer;
  drawer.addRoundedRect(QRectF(50, 66, 30, 10), 1.5, 1.5);
  fill_outlined(painter, drawer, QColor(215, 145, 70), kInk, 0.9);
  fill_outlined(painter, ellipse(QPointF(65, 71), 2, 1.5), QColor(255, 215, 90), kInk, 0.8);
}

// The screen shows the memory game: two rows of cards, two of them turned face up.
void draw_screen(QPainter& painter, const QRectF& screen) {
  painter.fillRect(screen, vertical_ramp(screen.top(), screen.bottom(), QColor(90, 190, 255),
                                         QColor(30, 100, 220)));
  painter.fillRect(QRectF(screen.left(), screen.top(), screen.width(), 3), QColor(255, 130, 130));
  for (int row = 0; row < 2; ++row) {
    for (int col = 0; col < 4; ++col) {
      const QRectF card(screen.left() + 2.5 + col * 8.6, screen.top() + 5 + row * 12, 6.8, 10);
      const bool face_up = (row == 0 && col == 1) || (row == 1 && col == 2);
      QPainterPath shape;
      shape.addRoundedRect(card, 1, 1);
      fill_outlined(painter, shape, face_up ? QColor(Qt::white) : QColor(255, 205, 60),
                    face_up ? QColor(40, 60, 120) : QColor(200, 110, 0), 0.7);
      if (face_up) {
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(235, 40, 70));  // a heart on both: a pair found
        const QPointF c = card.center();
        painter.drawEllipse(c + QPointF(-1.1, -0.8), 1.3, 1.3);
        painter.drawEllipse(c + QPointF(1.1, -0.8), 1.3, 1.3);
        QPolygonF tip({c + QPointF(-2.3, -0.4), c + QPointF(2.3, -0.4), c + QPointF(0, 2.6)});
        painter.drawPolygon(tip);
        painter.restore();
      }
    }
  }
}

void draw_computer(QPainter& painter) {
  QPainterPath neck;
  neck.addRect(QRectF(65, 43, 8, 10));
  fill_outlined(painter, neck, QColor(170, 175, 190), kInk, 1);
  fill_outlined(painter, ellipse(QPointF(69, 55), 11, 2.3), QColor(190, 195, 210), kInk, 1);
  QPainterPath body;
  body.addRoundedRect(QRectF(46, 6, 46, 38), 3, 3);
  fill_outlined(painter, body, vertical_ramp(6, 44, QColor(245, 246, 250), QColor(195, 200, 215)),
                kInk, 1.1);
  const QRectF screen(50, 10, 38, 30);
  draw_screen(painter, screen);
  painter.setPen(QPen(kInk, 0.8));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(screen);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(80, 220, 90));
  painter.drawEllipse(QPointF(88.5, 42), 0.9, 0.9);  // power light

  // Keyboard and mouse on the desk.
  QPainterPath keyboard;
  keyboard.moveTo(39, 57);
  keyboard.lineTo(77, 57);
  keyboard.lineTo(79, 61);
  keyboard.lineTo(37, 61);
  keyboard.closeSubpath();
  fill_outlined(painter, keyboard, QColor(240, 242, 248), kInk, 0.9);
  painter.setPen(QPen(QColor(150, 155, 170), 0.8, Qt::DotLine));
  painter.drawLine(QPointF(40, 58.4), QPointF(76.5, 58.4));
  painter.drawLine(QPointF(39.5, 59.8), QPointF(77.5, 59.8));
  painter.setPen(QPen(QColor(90, 90, 100), 0.7));
  painter.setBrush(Qt::NoBrush);
  QPainterPath cable;
  cable.moveTo(86, 57);
  cable.cubicTo(86, 54, 82, 55, 80, 55.5);
  painter.drawPath(cable);
  fill_outlined(painter, ellipse(QPointF(86.5, 59), 3.2, 2.1), Qt::white, kInk, 0.9);
}

void draw_arm(QPainter& painter) {
  QPainterPath arm;
  arm.moveTo(27, 49);
  arm.lineTo(30, 60);
  arm.lineTo(44, 58.5);
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kInk, 6.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(arm);
  painter.setPen(QPen(kSkin, 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(arm);
  painter.restore();
  QPainterPath sleeve;
  sleeve.addRoundedRect(QRectF(23.5, 46, 8, 8.5), 3, 3);
  fill_outlined(painter, sleeve, kShirtLight, kInk, 1);
  fill_outlined(painter, ellipse(QPointF(45.5, 58.3), 2.8, 2.3), kSkin, kInk, 0.9);
}

void draw_head(QPainter& painter) {
  // Pony tail with a red bow, behind the head.
  QPainterPath tail;
  tail.moveTo(15, 26);
  tail.cubicTo(6, 26, 4, 36, 7, 42);
  tail.cubicTo(9, 37, 12, 34, 16, 33);
  tail.closeSubpath();
  fill_outlined(painter, tail, kHair, kInk, 1);
  fill_outlined(painter, ellipse(QPointF(24.5, 31), 11.5, 12), kSkin, kInk, 1.1);
  fill_outlined(painter, ellipse(QPointF(35.6, 32.5), 1.9, 1.8), kSkin, kInk, 1);  // nose
  // Hair over the top and the back, with a fringe ending above the eye.
  QPainterPath hair;
  hair.moveTo(33, 24);
  hair.cubicTo(33, 15, 20, 14, 15, 21);
  hair.cubicTo(12, 25, 12, 33, 15.5, 38);
  hair.quadTo(18, 31, 22, 28);
  hair.quadTo(28, 27, 33, 24);
  hair.closeSubpath();
  fill_outlined(painter, hair, vertical_ramp(16, 38, QColor(200, 120, 55), kHair), kInk, 1);
  fill_outlined(painter, ellipse(QPointF(18, 32), 2.3, 2.8), kSkin, kInk, 1);  // ear
  // Bow.
  QPainterPath bow;
  bow.moveTo(14, 24);
  bow.lineTo(9, 20);
  bow.lineTo(10, 27);
  bow.closeSubpath();
  bow.moveTo(14, 24);
  bow.lineTo(19, 20);
  bow.lineTo(18, 27);
  bow.closeSubpath();
  fill_outlined(painter, bow, QColor(240, 50, 70), kInk, 0.9);
  fill_outlined(painter, ellipse(QPointF(14, 24), 1.6, 1.6), QColor(255, 90, 100), kInk, 0.8);

  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 120, 120, 110));
  painter.drawEllipse(QPointF(29, 35.5), 2.6, 1.9);
  painter.setBrush(QColor(40, 30, 30));
  painter.drawEllipse(QPointF(31, 29.5), 1.6, 2.2);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(31.5, 28.7), 0.6, 0.6);
  painter.setPen(QPen(kInk, 1, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(QRectF(29, 34, 5.5, 5), 250 * 16, 110 * 16);  // smile
  painter.restore();
}

}  // namespace

void draw_child_at_computer(QPainter& painter) {
  draw_room(painter);
  draw_body(painter);
  draw_desk(painter);
  draw_computer(painter);
  draw_arm(painter);
  draw_head(painter);
  painter.setPen(QPen(QColor(40, 70, 140), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(0.5, 0.5, 94, 82));
}

}  // namespace artgen::menu
