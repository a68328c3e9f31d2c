// Card set "4": one red sun, a thick disc in a ring of square rays, seen from ten angles.
#include <cmath>

#include "memory_art.h"
#include "memory_solid.h"

namespace artgen::memory {

namespace {

const QColor kRed(245, 40, 30);

std::vector<Solid> sun() {
  std::vector<QPointF> rim;
  for (int i = 0; i < 40; ++i) {
    const double a = 2 * M_PI * i / 40;
    rim.emplace_back(std::cos(a), std::sin(a));
  }
  std::vector<Solid> parts = {prism(rim, -0.16, 0.16, kRed)};
  for (int i = 0; i < 12; ++i) {
    const double degrees = 360.0 * i / 12;
    const double a = degrees * M_PI / 180.0;
    parts.push_back(box(QVector3D(1.38 * std::cos(a), 1.38 * std::sin(a), 0),
                        QVector3D(0.17f, 0.17f, 0.14f), kRed, degrees));
  }
  return parts;
}

// One face: the sun turned by `yaw` and tipped by `pitch` degrees on a white card.
Picture view(int number, QSize size, double yaw, double pitch) {
  return {number, size, [size, yaw, pitch](QPainter& p) {
            p.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
            draw_solids(p, sun(), {yaw, pitch, 21.5, {size.width() / 2.0, size.height() / 2.0}});
          }};
}

}  // namespace

FaceSet sun_faces() {
  const QSize card(87, 79);
  const QSize tall(87, 82);
  return {"Memory 4: Symboldarstellung",
          {view(133, card, 15, 15), view(134, card, 22, 8), view(135, card, -15, 15),
           view(136, card, -21, 10), view(137, card, 40, 12), view(138, card, 34, 17),
           view(139, card, 5, 45), view(140, card, -1, 43), view(141, tall, 80, 6),
           view(142, tall, -80, 6)}};
}

}  // namespace artgen::memory
