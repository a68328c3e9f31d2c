// Drawing helpers shared by the main menu's pictures: outlined shapes, gradients, the magnifier.
#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <functional>

namespace artgen::menu {

// A top-to-bottom colour ramp between heights y0 and y1.
QLinearGradient vertical_ramp(qreal y0, qreal y1, const QColor& top, const QColor& bottom);

// Fills `shape` with `fill` and traces it with a round-joined outline of `width`.
void fill_outlined(QPainter& painter, const QPainterPath& shape, const QBrush& fill,
                   const QColor& outline, qreal width);

// An ellipse path centred on `centre` with radii rx, ry.
QPainterPath ellipse(QPointF centre, qreal rx, qreal ry);

// Draws a magnifying glass: brass rim round `lens` (centre and radius), a dark handle running
// from the rim towards `grip`, tinted glass and a white glint. `inside` paints what the lens
// shows, already clipped to the glass, before the tint goes on top.
void draw_magnifier(QPainter& painter, QPointF lens, qreal radius, QPointF grip, qreal rim,
                    const std::function<void(QPainter&)>& inside = {});

// A cartoon brain seen from the side, filling `box`; `line` is the width of its folds.
void draw_brain(QPainter& painter, const QRectF& box, qreal line);

// Two bright eyes and a smile on the front of a brain drawn into `box`.
void draw_brain_face(QPainter& painter, const QRectF& box);

// The banner, the child at the computer and the program icon (drawn in `size` pixels square).
void draw_banner(QPainter& painter);
void draw_child_at_computer(QPainter& painter);
void draw_icon(QPainter& painter, int size);

}  // namespace artgen::menu
