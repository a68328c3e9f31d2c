// Shading and the flat-shaded solids of the memory pictures.
#include "memory_solid.h"

#include <QMatrix4x4>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace artgen::memory {

QColor lit(const QColor& base, double light) {
  light = std::clamp(light, 0.0, 1.0);
  if (light < 0.5) {
    // Shadows keep a third of the colour so that dark sides never turn black.
    const double keep = 0.3 + 0.7 * (light / 0.5);
    return QColor::fromRgbF(base.redF() * keep, base.greenF() * keep, base.blueF() * keep);
  }
  const double white = (light - 0.5) / 0.5 * 0.7;
  auto towards_white = [white](double c) { return c + (1.0 - c) * white; };
  return QColor::fromRgbF(towards_white(base.redF()), towards_white(base.greenF()),
                          towards_white(base.blueF()));
}

double brightness(const QVector3D& normal) {
  static const QVector3D light_direction = QVector3D(-0.4f, 0.75f, 0.5f).normalized();
  const double facing = QVector3D::dotProduct(normal.normalized(), light_direction);
  return 0.3 + 0.65 * std::max(facing, 0.0);
}

void fill_background(QPainter& painter, QSizeF size, const QColor& colour) {
  painter.fillRect(QRectF(QPointF(0, 0), size), colour);
}

Solid box(QVector3D centre, QVector3D half, const QColor& colour, double turn_z) {
  const double angle = turn_z * M_PI / 180.0;
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  std::vector<QPointF> outline;
  for (auto [dx, dy] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}) {
    const double x = dx * half.x();
    const double y = dy * half.y();
    outline.emplace_back(centre.x() + x * c - y * s, centre.y() + x * s + y * c);
  }
  return prism(outline, centre.z() - half.z(), centre.z() + half.z(), colour);
}

Solid prism(const std::vector<QPointF>& outline, double back, double front, const QColor& colour) {
  QPointF middle;
  for (const QPointF& p : outline) middle += p;
  middle /= static_cast<double>(outline.size());

  Solid solid;
  solid.centre = QVector3D(middle.x(), middle.y(), (back + front) / 2);
  Face3 front_cap{{}, QVector3D(0, 0, 1), colour};
  Face3 back_cap{{}, QVector3D(0, 0, -1), colour};
  for (const QPointF& p : outline) {
    front_cap.points.emplace_back(p.x(), p.y(), front);
    back_cap.points.emplace_back(p.x(), p.y(), back);
  }
  solid.faces.push_back(front_cap);
  solid.faces.push_back(back_cap);
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const QPointF p = outline[i];
    const QPointF q = outline[(i + 1) % outline.size()];
    QVector3D normal(q.y() - p.y(), p.x() - q.x(), 0);
    const QPointF edge_middle = (p + q) / 2 - middle;
    if (normal.x() * edge_middle.x() + normal.y() * edge_middle.y() < 0) normal = -normal;
    solid.faces.push_back({{QVector3D(p.x(), p.y(), back), QVector3D(q.x(), q.y(), back),
                            QVector3D(q.x(), q.y(), front), QVector3D(p.x(), p.y(), front)},
                           normal.normalized(),
                           colour});
  }
  return solid;
}

void draw_solids(QPainter& painter, std::vector<Solid> solids, const View& view,
                 const QColor& edge) {
  QMatrix4x4 turn;
  turn.rotate(view.pitch, 1, 0, 0);
  turn.rotate(view.yaw, 0, 1, 0);
  for (Solid& solid : solids) solid.centre = turn.map(solid.centre);
  std::sort(solids.begin(), solids.end(),
            [](const Solid& a, const Solid& b) { return a.centre.z() < b.centre.z(); });

  auto on_picture = [&view](const QVector3D& p) {
    return QPointF(view.centre.x() + view.scale * p.x(), view.centre.y() - view.scale * p.y());
  };
  painter.save();
  for (const Solid& solid : solids) {
    for (const Face3& face : solid.faces) {
      const QVector3D normal = turn.mapVector(face.normal);
      if (normal.z() <= 1e-4f) continue;  // turned away from the viewer
      QPolygonF polygon;
      for (const QVector3D& p : face.points) polygon << on_picture(turn.map(p));
      const QColor fill = lit(face.colour, brightness(normal));
      // Without an edge colour a thin pen of the fill colour closes the hairline seams that
      // antialiasing would leave between neighbouring faces.
      painter.setPen(edge.alpha() > 0 ? QPen(edge, 0.6) : QPen(fill, 0.6));
      painter.setBrush(fill);
      painter.drawPolygon(polygon);
    }
  }
  painter.restore();
}

}  // namespace artgen::memory
