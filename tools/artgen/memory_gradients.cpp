// Card set "3": ten colour gradients filling the whole card, five from yellow to orange and
// five from white to orange, each with its own pattern.
#include <QImage>
#include <algorithm>
#include <cmath>
#include <functional>

#include "memory_art.h"

namespace artgen::memory {

namespace {

constexpr QSize kCard(87, 79);
const QColor kYellow(255, 245, 40);
const QColor kWhite(255, 255, 255);
const QColor kOrange(235, 80, 0);

// Where a point (u, v), both 0..1 from the top left corner, lies between the light colour
// (0) and orange (1).
using Pattern = std::function<double(double u, double v)>;

QColor blend(const QColor& light, const QColor& dark, double t) {
  auto mix = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
  return QColor(mix(light.red(), dark.red()), mix(light.green(), dark.green()),
                mix(light.blue(), dark.blue()));
}

// Soft stripes: `count` dark stripes across the unit range, starting light when `phase` is 0
// and dark when it is 0.5.
double stripes(double position, double count, double phase) {
  return 0.5 - 0.5 * std::cos(2 * M_PI * (count * position + phase));
}

// A corner-to-corner gradient from the top left (0) to the bottom right (1). The sum u + v
// crowds around its middle, so it is spread out again to use light and dark colour as much as
// the other patterns do, instead of a muddy card that is mostly the middle shade.
double diagonal(double u, double v) {
  const double s = u + v;
  return s < 1 ? s * s / 2 : 1 - (2 - s) * (2 - s) / 2;
}

// Distance from the card's middle measured as a square: 0 in the middle, 1 on the border.
double square_distance(double u, double v) {
  return std::max(std::abs(2 * u - 1), std::abs(2 * v - 1));
}

// Computes the pattern pixel by pixel at four times the card's size, so that both written
// sizes get a smooth picture when the painter shrinks it.
Drawing gradient(const QColor& light, const Pattern& pattern) {
  return [light, pattern](QPainter& painter) {
    constexpr int kFine = 4;
    QImage image(kCard * kFine, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const double u = (x + 0.5) / image.width();
        const double v = (y + 0.5) / image.height();
        image.setPixelColor(x, y, blend(light, kOrange, std::clamp(pattern(u, v), 0.0, 1.0)));
      }
    }
    painter.drawImage(QRectF(QPointF(0, 0), kCard), image);
  };
}

}  // namespace

FaceSet gradient_faces() {
  return {"Memory 3: Farbverlauf",
          {
              {113, kCard, gradient(kYellow, diagonal)},
              {114, kCard, gradient(kYellow, [](double u, double) { return stripes(u, 2, 0); })},
              {115, kCard, gradient(kYellow, [](double, double v) { return stripes(v, 2, 0); })},
              {116, kCard, gradient(kYellow, square_distance)},
              {117, kCard,
               gradient(kYellow, [](double u, double v) { return 1 - square_distance(u, v); })},
              {118, kCard, gradient(kWhite, [](double u, double v) { return diagonal(1 - u, v); })},
              {119, kCard, gradient(kWhite, [](double u, double) { return stripes(u, 1.5, 0.5); })},
              {120, kCard, gradient(kWhite, [](double, double v) { return stripes(v, 1.5, 0.5); })},
              {121, kCard, gradient(kWhite, square_distance)},
              {122, kCard,
               gradient(kWhite, [](double u, double v) { return 1 - square_distance(u, v); })},
          }};
}

}  // namespace artgen::memory
