// The memory window's mouse pointers: a pointing hand over the cards, a no-entry sign while
// the player has to wait, and an arrow otherwise.
#include <QPainterPath>
#include <QTransform>

#include "memory_art.h"

namespace artgen::memory {

namespace {

QPainterPath rounded(QRectF rect, double radius) {
  QPainterPath path;
  path.addRoundedRect(rect, radius, radius);
  return path;
}

// White hand, index finger up with its tip at (12, 1), grey outline, green cuff at the wrist.
void draw_hand(QPainter& p) {
  QPainterPath hand = rounded(QRectF(9.5, 0.5, 5, 18), 2.5);
  hand = hand.united(rounded(QRectF(14.5, 9, 4.5, 10), 2.2));
  hand = hand.united(rounded(QRectF(19, 10, 4.5, 10), 2.2));
  hand = hand.united(rounded(QRectF(23.5, 12, 4, 9), 2));
  hand = hand.united(rounded(QRectF(8.5, 15, 19, 11), 4));
  QTransform thumb_turn;
  thumb_turn.translate(10.5, 19);
  thumb_turn.rotate(-35);
  hand = hand.united(thumb_turn.map(rounded(QRectF(-8, -2.5, 10, 5), 2.5)));

  const QColor grey(110, 110, 110);
  p.setPen(QPen(grey, 1));
  p.setBrush(Qt::white);
  p.drawPath(hand);
  // Creases between the bent fingers.
  p.drawLine(QPointF(14.5, 12), QPointF(14.5, 17));
  p.drawLine(QPointF(19, 13), QPointF(19, 17.5));
  p.drawLine(QPointF(23.5, 14.5), QPointF(23.5, 18));

  p.setPen(QPen(QColor(0, 90, 30), 1));
  p.setBrush(QColor(20, 180, 60));
  p.drawRect(QRectF(10, 25.5, 16, 5.5));
}

// Red ring with a diagonal bar, centred on (16, 15), with a white outline.
void draw_no_entry(QPainter& p) {
  const QPointF middle(16, 15);
  QPainterPath ring;
  ring.addEllipse(middle, 12, 12);
  QPainterPath hole;
  hole.addEllipse(middle, 8, 8);
  ring = ring.subtracted(hole);
  QTransform bar_turn;
  bar_turn.translate(middle.x(), middle.y());
  bar_turn.rotate(45);
  QPainterPath bar;
  bar.addRect(QRectF(-10, -2, 20, 4));
  const QPainterPath sign = ring.united(bar_turn.map(bar));

  p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(sign);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(220, 0, 0));
  p.drawPath(sign);
}

// Green arrow with its tip in the top left corner.
void draw_arrow(QPainter& p) {
  const QPolygonF arrow(
      {{0.5, 0.5}, {0.5, 22}, {5.5, 17}, {9.5, 26}, {13, 24.5}, {9, 16}, {16, 16}});
  p.setPen(QPen(QColor(0, 70, 0), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(QColor(40, 200, 40));
  p.drawPolygon(arrow);
}

}  // namespace

std::vector<Pointer> pointers() {
  return {{100, QPoint(12, 1), draw_hand},
          {101, QPoint(16, 15), draw_no_entry},
          {102, QPoint(0, 0), draw_arrow}};
}

}  // namespace artgen::memory
