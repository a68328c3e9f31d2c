// Drawing helpers shared by the main menu's pictures.
#include "menu_shapes.h"

#include <QLineF>
#include <QRadialGradient>

namespace artgen::menu {

QLinearGradient vertical_ramp(qreal y0, qreal y1, const QColor& top, const QColor& bottom) {
  QLinearGradient ramp(0, y0, 0, y1);
  ramp.setColorAt(0, top);
  ramp.setColorAt(1, bottom);
  return ramp;
}

void fill_outlined(QPainter& painter, const QPainterPath& shape, const QBrush& fill,
                   const QColor& outline, qreal width) {
  painter.save();
  painter.setBrush(fill);
  if (width > 0) {
    painter.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  } else {
    painter.setPen(Qt::NoPen);
  }
  painter.drawPath(shape);
  painter.restore();
}

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry) {
  QPainterPath path;
  path.addEllipse(centre, rx, ry);
  return path;
}

void draw_magnifier(QPainter& painter, QPointF lens, qreal radius, QPointF grip, qreal rim,
                    const std::function<void(QPainter&)>& inside) {
  const QLineF axis(lens, grip);
  const QPointF rim_edge = axis.pointAt((radius + rim * 0.5) / axis.length());
  const QPointF collar_end = axis.pointAt((radius + rim * 2.2) / axis.length());
  const qreal handle_width = radius * 0.5;
  painter.save();

  // Handle first, so the rim covers its root.
  painter.setPen(QPen(QColor(60, 35, 20), handle_width + rim * 0.8, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(collar_end, grip);
  painter.setPen(QPen(QColor(150, 80, 40), handle_width, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(collar_end, grip);
  painter.setPen(QPen(QColor(205, 130, 80), handle_width * 0.3, Qt::SolidLine, Qt::RoundCap));
  const QPointF shine_offset =
      QLineF(QPointF(), QPointF(-axis.dy(), axis.dx())).unitVector().p2() * handle_width * -0.2;
  painter.drawLine(QLineF(collar_end, grip).pointAt(0.15) + shine_offset,
                   QLineF(collar_end, grip).pointAt(0.8) + shine_offset);
  painter.setPen(
      QPen(QColor(120, 85, 10), handle_width * 0.9 + rim * 0.6, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(rim_edge, collar_end);
  painter.setPen(QPen(QColor(240, 190, 60), handle_width * 0.9, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(rim_edge, collar_end);

  // The glass: what it shows, then a pale blue tint and a glint.
  painter.save();
  painter.setClipPath(ellipse(lens, radius, radius));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(235, 248, 255));
  painter.drawEllipse(lens, radius, radius);
  if (inside) inside(painter);
  QRadialGradient tint(lens + QPointF(-radius * 0.35, -radius * 0.35), radius * 1.4);
  tint.setColorAt(0, QColor(255, 255, 255, 70));
  tint.setColorAt(1, QColor(90, 170, 230, 90));
  painter.setBrush(tint);
  painter.drawEllipse(lens, radius, radius);
  painter.restore();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(255, 255, 255, 220), radius * 0.16, Qt::SolidLine, Qt::RoundCap));
  const QRectF glint(lens.x() - radius * 0.62, lens.y() - radius * 0.62, radius * 1.24,
                     radius * 1.24);
  painter.drawArc(glint, 100 * 16, 60 * 16);

  // Brass rim with a dark edge on both sides.
  painter.setPen(QPen(QColor(120, 85, 10), rim + rim * 0.6));
  painter.drawEllipse(lens, radius + rim * 0.5, radius + rim * 0.5);
  QLinearGradient brass(lens.x() - radius, lens.y() - radius, lens.x() + radius, lens.y() + radius);
  brass.setColorAt(0, QColor(255, 232, 120));
  brass.setColorAt(0.5, QColor(235, 175, 40));
  brass.setColorAt(1, QColor(190, 125, 20));
  painter.setPen(QPen(QBrush(brass), rim));
  painter.drawEllipse(lens, radius + rim * 0.5, radius + rim * 0.5);
  painter.restore();
}

void draw_brain(QPainter& painter, const QRectF& box, qreal line) {
  const qreal w = box.width();
  const qreal h = box.height();
  const auto at = [&](qreal fx, qreal fy) { return QPointF(box.x() + fx * w, box.y() + fy * h); };
  // Bumpy outline: a row of lobes over a rounded base.
  QPainterPath shape = ellipse(at(0.5, 0.55), w * 0.47, h * 0.38);
  for (const auto& [fx, fy, r] :
       {std::tuple{0.22, 0.42, 0.22}, std::tuple{0.42, 0.3, 0.24}, std::tuple{0.64, 0.32, 0.23},
        std::tuple{0.8, 0.5, 0.2}, std::tuple{0.28, 0.66, 0.22}, std::tuple{0.62, 0.68, 0.22}}) {
    shape = shape.united(ellipse(at(fx, fy), w * r, h * r * 1.15));
  }
  QRadialGradient pink(at(0.4, 0.35), w * 0.7);
  pink.setColorAt(0, QColor(255, 205, 220));
  pink.setColorAt(1, QColor(240, 120, 160));
  fill_outlined(painter, shape, pink, QColor(170, 50, 95), line * 1.2);

  // Folds.
  painter.save();
  painter.setPen(QPen(QColor(190, 70, 115), line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  // Short curls round the rim, leaving the middle free for a face.
  struct Curl {
    qreal x0, y0, cx1, cy1, cx2, cy2, x1, y1;
  };
  constexpr Curl kCurls[] = {
      {0.14, 0.36, 0.2, 0.22, 0.32, 0.26, 0.3, 0.36},
      {0.42, 0.12, 0.5, 0.16, 0.44, 0.26, 0.52, 0.3},
      {0.66, 0.14, 0.62, 0.24, 0.74, 0.24, 0.8, 0.34},
      {0.06, 0.56, 0.12, 0.5, 0.18, 0.62, 0.22, 0.58},
      {0.94, 0.52, 0.88, 0.5, 0.86, 0.62, 0.8, 0.6},
      {0.26, 0.9, 0.24, 0.82, 0.3, 0.8, 0.3, 0.74},
      {0.74, 0.9, 0.76, 0.82, 0.7, 0.8, 0.72, 0.74},
  };
  QPainterPath folds;
  for (const Curl& c : kCurls) {
    folds.moveTo(at(c.x0, c.y0));
    folds.cubicTo(at(c.cx1, c.cy1), at(c.cx2, c.cy2), at(c.x1, c.y1));
  }
  painter.drawPath(folds);
  painter.restore();
}

void draw_brain_face(QPainter& painter, const QRectF& box) {
  const qreal w = box.width();
  const qreal h = box.height();
  const auto at = [&](qreal fx, qreal fy) { return QPointF(box.x() + fx * w, box.y() + fy * h); };
  const QColor ink(90, 20, 50);
  painter.save();
  for (const qreal fx : {0.36, 0.6}) {
    fill_outlined(painter, ellipse(at(fx, 0.5), w * 0.075, h * 0.13), Qt::white, ink, w * 0.02);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(at(fx + 0.02, 0.53), w * 0.04, h * 0.075);
    painter.setBrush(Qt::white);
    painter.drawEllipse(at(fx + 0.005, 0.49), w * 0.014, w * 0.014);
  }
  painter.setPen(QPen(ink, w * 0.03, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  const QPointF mouth = at(0.48, 0.66);
  painter.drawArc(QRectF(mouth.x() - w * 0.1, mouth.y() - h * 0.1, w * 0.2, h * 0.2), 200 * 16,
                  140 * 16);
  painter.restore();
}

}  // namespace artgen::menu
