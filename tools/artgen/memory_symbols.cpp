// Card set "1": ten coloured solid shapes, each on a plain background of its own.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "memory_art.h"
#include "memory_solid.h"

namespace artgen::memory {

namespace {

constexpr QSize kWide(88, 79);
constexpr QSize kNarrow(87, 79);

QPointF polar(QPointF centre, double radius, double degrees) {
  const double a = degrees * M_PI / 180.0;
  return centre + QPointF(radius * std::cos(a), radius * std::sin(a));
}

// A soft shadow of `outline` cast down and to the right onto the background.
void cast_shadow(QPainter& painter, const QPainterPath& outline, QPointF offset = {3, 3}) {
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 60));
  painter.drawPath(outline.translated(offset));
  painter.restore();
}

// One triangle of a faceted star: the middle is raised by `height`, the rim lies flat, and the
// triangle is shaded by the way it faces the light.
void draw_facet(QPainter& painter, QPointF middle, QPointF a, QPointF b, double height,
                const QColor& colour) {
  auto in_space = [middle](QPointF p, double z) {
    return QVector3D(p.x() - middle.x(), middle.y() - p.y(), z);
  };
  const QVector3D top = in_space(middle, height);
  QVector3D normal = QVector3D::crossProduct(in_space(a, 0) - top, in_space(b, 0) - top);
  if (normal.z() < 0) normal = -normal;
  const QColor fill = lit(colour, brightness(normal.normalized()));
  painter.setPen(QPen(fill, 0.5));
  painter.setBrush(fill);
  painter.drawPolygon(QPolygonF({middle, a, b}));
}

struct Star {
  QPointF centre;
  double outer;  // radius of the tips
  double inner;  // radius of the notches between the tips
  int tips;
  double turn;    // degrees; 0 puts the first tip straight up
  double height;  // how far the middle stands out of the picture
};

QPolygonF star_outline(const Star& star) {
  QPolygonF outline;
  for (int i = 0; i < star.tips; ++i) {
    const double tip = star.turn - 90 + 360.0 * i / star.tips;
    outline << polar(star.centre, star.outer, tip)
            << polar(star.centre, star.inner, tip + 180.0 / star.tips);
  }
  return outline;
}

// A star cut like a gem: every tip is two facets, one towards the light and one away.
void draw_faceted_star(QPainter& painter, const Star& star, const QColor& colour) {
  const QPolygonF outline = star_outline(star);
  QPainterPath path;
  path.addPolygon(outline);
  path.closeSubpath();
  cast_shadow(painter, path);
  painter.save();
  const int corners = static_cast<int>(outline.size());
  for (int i = 0; i < corners; ++i) {
    draw_facet(painter, star.centre, outline[i], outline[(i + 1) % corners], star.height, colour);
  }
  painter.restore();
}

// A glossy ball: radial gradient with its bright spot up and to the left.
void draw_ball(QPainter& painter, QPointF centre, double radius, const QColor& colour) {
  QRadialGradient gradient(centre, radius, centre + QPointF(-radius * 0.4, -radius * 0.45));
  gradient.setColorAt(0.0, lit(colour, 0.95));
  gradient.setColorAt(0.35, lit(colour, 0.6));
  gradient.setColorAt(0.85, lit(colour, 0.35));
  gradient.setColorAt(1.0, lit(colour, 0.25));
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(gradient);
  painter.drawEllipse(centre, radius, radius);
  painter.restore();
}

// An upright cylinder seen slightly from above: `body` is its outline without the caps.
void draw_cylinder(QPainter& painter, QRectF body, double cap_height, const QColor& colour) {
  const QRectF top_cap(body.left(), body.top() - cap_height / 2, body.width(), cap_height);
  const QRectF bottom_cap = top_cap.translated(0, body.height());
  QPainterPath side;
  side.moveTo(body.topLeft());
  side.lineTo(body.bottomLeft());
  side.arcTo(bottom_cap, 180, 180);
  side.lineTo(body.topRight());
  side.closeSubpath();
  QPainterPath lid_outline;
  lid_outline.addEllipse(top_cap);
  cast_shadow(painter, side.united(lid_outline));

  QLinearGradient round(body.left(), 0, body.right(), 0);
  round.setColorAt(0.0, lit(colour, 0.3));
  round.setColorAt(0.25, lit(colour, 0.85));
  round.setColorAt(0.45, lit(colour, 0.6));
  round.setColorAt(1.0, lit(colour, 0.22));
  painter.save();
  painter.setPen(QPen(lit(colour, 0.15), 0.8));
  painter.setBrush(round);
  painter.drawPath(side);
  QLinearGradient lid(top_cap.topLeft(), top_cap.bottomRight());
  lid.setColorAt(0.0, lit(colour, 0.8));
  lid.setColorAt(1.0, lit(colour, 0.6));
  painter.setBrush(lid);
  painter.drawEllipse(top_cap);
  painter.restore();
}

void draw_blue_star(QPainter& p) {
  fill_background(p, kWide, QColor(20, 30, 110));
  draw_faceted_star(p, {{44, 39.5}, 35, 12.5, 8, 0, 24}, QColor(40, 120, 255));
}

void draw_heart(QPainter& p) {
  fill_background(p, kWide, QColor(255, 250, 190));
  QPainterPath heart;
  heart.moveTo(44, 72);
  heart.cubicTo(22, 56, 7, 42, 10, 26);
  heart.cubicTo(13, 10, 36, 6, 44, 22);
  heart.cubicTo(52, 6, 75, 10, 78, 26);
  heart.cubicTo(81, 42, 66, 56, 44, 72);
  heart.closeSubpath();
  cast_shadow(p, heart);
  QRadialGradient body(QPointF(40, 36), 46, QPointF(28, 24));
  body.setColorAt(0.0, QColor(255, 190, 190));
  body.setColorAt(0.25, QColor(245, 50, 60));
  body.setColorAt(0.75, QColor(190, 0, 25));
  body.setColorAt(1.0, QColor(120, 0, 15));
  p.setPen(QPen(QColor(110, 0, 10), 0.8));
  p.setBrush(body);
  p.drawPath(heart);
  QRadialGradient shine(QPointF(25, 22), 8);
  shine.setColorAt(0.0, QColor(255, 255, 255, 230));
  shine.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(shine);
  p.drawEllipse(QPointF(25, 22), 8, 6);
}

void draw_moon(QPainter& p) {
  fill_background(p, kWide, QColor(140, 165, 135));
  QPainterPath disc;
  disc.addEllipse(QPointF(42, 40), 32, 32);
  QPainterPath bite;
  bite.addEllipse(QPointF(57, 31), 27, 27);
  const QPainterPath crescent = disc.subtracted(bite);
  cast_shadow(p, crescent);
  QRadialGradient gold(QPointF(38, 42), 34, QPointF(24, 30));
  gold.setColorAt(0.0, QColor(255, 250, 190));
  gold.setColorAt(0.35, QColor(255, 210, 40));
  gold.setColorAt(0.8, QColor(215, 140, 0));
  gold.setColorAt(1.0, QColor(150, 90, 0));
  p.setPen(QPen(QColor(130, 80, 0), 0.8));
  p.setBrush(gold);
  p.drawPath(crescent);
}

void draw_green_stars(QPainter& p) {
  fill_background(p, kWide, QColor(120, 120, 35));
  draw_faceted_star(p, {{63, 26}, 22, 9, 5, 14, 10}, QColor(90, 230, 70));
  draw_faceted_star(p, {{34, 46}, 30, 12, 5, -10, 14}, QColor(50, 200, 50));
}

void draw_sharp_burst(QPainter& p) {
  fill_background(p, kWide, QColor(255, 250, 185));
  // Long and short rays in turn, like a firework.
  draw_faceted_star(p, {{44, 39.5}, 35, 10, 8, 0, 16}, QColor(255, 60, 170));
  draw_faceted_star(p, {{44, 39.5}, 24, 9, 8, 22.5, 18}, QColor(255, 120, 200));
}

void draw_spiky_ball(QPainter& p) {
  fill_background(p, kWide, QColor(190, 140, 195));
  draw_faceted_star(p, {{44, 40}, 35, 17, 14, 0, 12}, QColor(255, 70, 150));
  draw_ball(p, {44, 40}, 18, QColor(255, 90, 170));
}

void draw_tilted_cube(QPainter& p) {
  fill_background(p, kWide, QColor(205, 195, 245));
  draw_solids(p, {box({0, 0, 0}, {1, 1, 1}, QColor(110, 190, 255), 20)}, {35, 28, 19, {44, 40}},
              QColor(30, 80, 150));
}

void draw_green_blue_cylinder(QPainter& p) {
  fill_background(p, kNarrow, QColor(255, 150, 40));
  p.save();
  p.translate(43.5, 40);
  p.rotate(-18);
  draw_cylinder(p, QRectF(-16, -24, 32, 48), 12, QColor(0, 165, 160));
  p.restore();
}

void draw_cube_cluster(QPainter& p) {
  fill_background(p, kNarrow, QColor(205, 195, 245));
  const QColor blue(40, 90, 230);
  const QVector3D half(0.5f, 0.5f, 0.5f);
  std::vector<Solid> cubes;
  for (QVector3D at : {QVector3D(-1.05f, -0.55f, -0.55f), QVector3D(0, -0.55f, -0.55f),
                       QVector3D(1.05f, -0.55f, -0.55f), QVector3D(-0.55f, -0.55f, 0.55f),
                       QVector3D(0.55f, -0.55f, 0.55f), QVector3D(-0.5f, 0.55f, -0.55f),
                       QVector3D(0.55f, 0.55f, -0.55f), QVector3D(0, 1.6f, -0.55f)}) {
    cubes.push_back(box(at, half, blue));
  }
  draw_solids(p, cubes, {30, 25, 17, {43.5, 42}}, QColor(15, 30, 110));
}

void draw_no_entry_cylinder(QPainter& p) {
  fill_background(p, kNarrow, QColor(110, 40, 150));
  const QRectF body(24, 18, 40, 50);
  draw_cylinder(p, body, 14, QColor(255, 140, 20));
  // The sign is painted on the curved side, so it looks a little narrower than high.
  const QPointF middle(body.center().x() - 1, body.center().y() + 4);
  p.setPen(QPen(Qt::white, 2));
  p.setBrush(QColor(215, 10, 20));
  p.drawEllipse(middle, 13, 15);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(middle.x() - 9, middle.y() - 2.5, 18, 5));
}

}  // namespace

FaceSet symbol_faces() {
  return {"Memory 1: Symbole",
          {{103, kWide, draw_blue_star},
           {104, kWide, draw_heart},
           {105, kWide, draw_moon},
           {106, kWide, draw_green_stars},
           {107, kWide, draw_sharp_burst},
           {108, kWide, draw_spiky_ball},
           {109, kWide, draw_tilted_cube},
           {110, kNarrow, draw_green_blue_cylinder},
           {111, kNarrow, draw_cube_cluster},
           {112, kNarrow, draw_no_entry_cylinder}}};
}

}  // namespace artgen::memory
