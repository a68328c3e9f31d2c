// The program icon: the thinking falcon of the detective school, in a round blue badge.
#include <QRadialGradient>

#include "menu_shapes.h"

namespace artgen::menu {

namespace {

// The icon is designed on a 256-unit square; `Detail` says how much of it a size can carry.
constexpr qreal kDesign = 256;
const QPointF kCentre(128, 128);
constexpr qreal kBadgeRadius = 118;
const QPointF kEye(146, 104);

const QColor kInk(40, 25, 20);
const QColor kFeatherDark(120, 65, 25);
const QColor kCream(255, 242, 215);

struct Detail {
  qreal line;      // outline width in design units
  bool hat;        // the detective's hat
  bool magnifier;  // the glass before the eye
  bool markings;   // the pale cheek and the dark cheek stripe of a falcon
  qreal eye;       // how much the eye is enlarged so that it still reads when small
  bool eye_ring;   // the yellow ring round the eye, and the brow above it
  qreal beak;      // how much the beak is enlarged
};

Detail detail_for(int size) {
  if (size <= 16) return {18, false, false, false, 1.55, false, 1.3};
  if (size <= 32) return {11, true, false, true, 1.25, true, 1.1};
  return {7, true, true, true, 1.0, true, 1.0};
}

QPainterPath badge() {
  return ellipse(kCentre, kBadgeRadius, kBadgeRadius);
}

void draw_badge(QPainter& painter, const Detail& d) {
  QRadialGradient sky(kCentre + QPointF(-30, -40), kBadgeRadius * 1.3);
  sky.setColorAt(0, QColor(150, 215, 255));
  sky.setColorAt(1, QColor(35, 110, 215));
  fill_outlined(painter, badge(), sky, QColor(20, 55, 120), d.line);
}

QPainterPath head_outline() {
  QPainterPath head;
  head.moveTo(72, 256);
  head.cubicTo(40, 200, 36, 130, 60, 94);
  head.cubicTo(82, 56, 136, 42, 168, 58);
  head.cubicTo(188, 68, 198, 84, 200, 100);
  head.lineTo(190, 150);
  head.cubicTo(186, 190, 192, 220, 202, 256);
  head.closeSubpath();
  return head;
}

void draw_beak(QPainter& painter, const Detail& d) {
  const QPointF root(190, 110);
  painter.save();
  painter.translate(root);
  painter.scale(d.beak, d.beak);
  painter.translate(-root);
  const qreal line = d.line / d.beak;
  QPainterPath lower;
  lower.moveTo(186, 128);
  lower.lineTo(206, 128);
  lower.cubicTo(214, 136, 212, 146, 204, 150);
  lower.cubicTo(196, 150, 190, 144, 184, 140);
  lower.closeSubpath();
  fill_outlined(painter, lower, QColor(245, 180, 40), kInk, line * 0.8);
  QPainterPath upper;
  upper.moveTo(184, 84);
  upper.cubicTo(214, 78, 238, 100, 236, 130);
  upper.cubicTo(235, 142, 228, 152, 218, 158);
  upper.cubicTo(220, 142, 214, 130, 200, 127);
  upper.lineTo(184, 130);
  upper.closeSubpath();
  QLinearGradient gold(190, 80, 230, 150);
  gold.setColorAt(0, QColor(255, 235, 120));
  gold.setColorAt(1, QColor(245, 160, 30));
  fill_outlined(painter, upper, gold, kInk, line);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kInk);
  painter.drawEllipse(QPointF(204, 102), 4.5, 3.5);  // nostril
  painter.restore();
}

// The pale face and throat and the dark stripe below the eye, inside the head.
void draw_markings(QPainter& painter, const QPainterPath& head) {
  painter.save();
  painter.setClipPath(head, Qt::IntersectClip);
  QPainterPath cheek;  // the pale face and throat
  cheek.moveTo(118, 124);
  cheek.cubicTo(150, 130, 184, 122, 198, 104);
  cheek.lineTo(190, 150);
  cheek.cubicTo(186, 190, 192, 220, 202, 256);
  cheek.lineTo(128, 256);
  cheek.cubicTo(116, 200, 110, 160, 118, 124);
  fill_outlined(painter, cheek, kCream, kInk, 0);
  QPainterPath stripe;
  stripe.moveTo(120, 108);
  stripe.cubicTo(114, 140, 124, 176, 138, 194);
  stripe.cubicTo(152, 172, 158, 136, 156, 112);
  stripe.closeSubpath();
  fill_outlined(painter, stripe, QColor(85, 50, 25), kInk, 0);
  painter.restore();
}

// Feathers, face and eye: everything the glass can magnify.
void draw_face(QPainter& painter, const Detail& d) {
  const QPainterPath head = head_outline();
  QLinearGradient plumage(60, 50, 150, 200);
  plumage.setColorAt(0, QColor(205, 135, 65));
  plumage.setColorAt(1, kFeatherDark);
  fill_outlined(painter, head, plumage, kInk, 0);
  if (d.markings) draw_markings(painter, head);
  painter.save();
  painter.setPen(QPen(kInk, d.line));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(head);
  painter.restore();

  draw_beak(painter, d);

  // A big friendly eye under a raised, thoughtful brow.
  painter.save();
  painter.translate(kEye);
  painter.scale(d.eye, d.eye);
  painter.translate(-kEye);
  if (d.eye_ring) {
    fill_outlined(painter, ellipse(kEye, 26, 26), QColor(255, 215, 60), kInk, d.line / d.eye);
    fill_outlined(painter, ellipse(kEye, 19, 19), Qt::white, kInk, 0);
  } else {
    // Too small for an outline: a plain white eye stands out best against the feathers.
    fill_outlined(painter, ellipse(kEye, 24, 24), Qt::white, kInk, 0);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(kInk);
  const qreal pupil = d.eye_ring ? 1.0 : 0.75;
  painter.drawEllipse(kEye + QPointF(5, 1) * pupil, 13 * pupil, 14 * pupil);
  if (d.eye_ring) {
    painter.setBrush(Qt::white);
    painter.drawEllipse(kEye + QPointF(0, -5), 5, 5);
  }
  painter.restore();
  if (!d.eye_ring) return;
  painter.save();
  painter.setPen(QPen(QColor(70, 35, 15), d.line * 1.3, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  QPainterPath brow;
  brow.moveTo(118, 80);
  brow.quadTo(140, 60, 174, 70);
  painter.drawPath(brow);
  painter.restore();
}

void draw_hat(QPainter& painter, const Detail& d) {
  painter.save();
  painter.translate(118, 56);
  painter.rotate(-10);
  QPainterPath crown;
  crown.moveTo(-44, 4);
  crown.cubicTo(-48, -20, -44, -40, -30, -46);
  crown.quadTo(0, -36, 30, -48);
  crown.cubicTo(44, -40, 48, -20, 44, 4);
  crown.closeSubpath();
  fill_outlined(painter, crown, vertical_ramp(-48, 4, QColor(105, 85, 75), QColor(55, 40, 35)),
                kInk, d.line);
  QPainterPath band;
  band.addRect(QRectF(-45, -14, 90, 14));
  painter.save();
  painter.setClipPath(crown);
  fill_outlined(painter, band, QColor(220, 50, 50), kInk, 0);
  painter.restore();
  QPainterPath brim;
  brim.moveTo(-70, 4);
  brim.quadTo(0, -12, 74, 2);
  brim.quadTo(80, 12, 60, 14);
  brim.quadTo(0, 8, -64, 16);
  brim.quadTo(-80, 12, -70, 4);
  fill_outlined(painter, brim, vertical_ramp(-6, 16, QColor(100, 80, 70), QColor(60, 45, 38)), kInk,
                d.line);
  painter.restore();
}

void draw_falcon(QPainter& painter, const Detail& d) {
  painter.save();
  painter.setClipPath(badge());
  draw_face(painter, d);
  painter.restore();
  // The badge's rim goes over the cut-off neck.
  painter.save();
  painter.setPen(QPen(QColor(20, 55, 120), d.line));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(badge());
  painter.restore();
}

void draw_glass(QPainter& painter, const Detail& d) {
  const qreal radius = 36;
  draw_magnifier(painter, kEye, radius, QPointF(62, 226), 9, [&](QPainter& p) {
    p.save();
    p.setClipPath(badge(), Qt::IntersectClip);
    p.translate(kEye);
    p.scale(1.3, 1.3);
    p.translate(-kEye);
    draw_face(p, d);
    p.restore();
  });
}

}  // namespace

void draw_icon(QPainter& painter, int size) {
  const Detail d = detail_for(size);
  painter.scale(size / kDesign, size / kDesign);
  draw_badge(painter, d);
  draw_falcon(painter, d);
  if (d.hat) draw_hat(painter, d);
  if (d.magnifier) draw_glass(painter, d);
}

}  // namespace artgen::menu
