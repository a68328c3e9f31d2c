// Small drawing aids for the memory pictures: light-dependent shading and flat-shaded solids
// (boxes and prisms) turned in space and drawn back to front.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QVector3D>
#include <vector>

namespace artgen::memory {

// `base` lit with brightness `light` in 0..1: 0.5 is the base colour itself, 0 deep shadow,
// 1 a highlight close to white.
QColor lit(const QColor& base, double light);

// Brightness of a surface with unit normal `normal` (x right, y up, z towards the viewer)
// under the one light of all pictures, which shines from the upper left front.
double brightness(const QVector3D& normal);

// Fills the whole picture with one colour.
void fill_background(QPainter& painter, QSizeF size, const QColor& colour);

// One flat face of a solid; `normal` points out of the solid.
struct Face3 {
  std::vector<QVector3D> points;
  QVector3D normal;
  QColor colour;
};

// A convex solid: its faces and its centre (used to sort solids by depth).
struct Solid {
  std::vector<Face3> faces;
  QVector3D centre;
};

// An axis-aligned box around `centre` with half extents `half`, turned by `turn_z` degrees
// about the z axis (the axis through the front face).
Solid box(QVector3D centre, QVector3D half, const QColor& colour, double turn_z = 0);

// A prism: the convex outline `outline` (x, y) extruded from z = `back` to z = `front`.
Solid prism(const std::vector<QPointF>& outline, double back, double front, const QColor& colour);

// How the solids are seen: turned about the vertical axis (yaw), then tipped about the
// horizontal axis (pitch), both in degrees; `scale` pixels per unit, `centre` on the picture.
struct View {
  double yaw;
  double pitch;
  double scale;
  QPointF centre;
};

// Draws the solids' visible faces, farthest solid first, each face flat-shaded by its
// brightness; `edge` outlines every face unless it is fully transparent.
void draw_solids(QPainter& painter, std::vector<Solid> solids, const View& view,
                 const QColor& edge = Qt::transparent);

}  // namespace artgen::memory
