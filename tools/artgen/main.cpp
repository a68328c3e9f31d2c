// artgen: redraws the game's pictures into the resources folder named on the command line.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "artgen.h"

namespace artgen {

QImage render(QSize size, int scale, const Drawing& draw) {
  QImage image(size * scale, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                         QPainter::TextAntialiasing);
  painter.scale(scale, scale);
  draw(painter);
  painter.end();
  return image;
}

namespace {

void save(const QImage& image, const QString& path) {
  if (!image.save(path, "PNG")) {
    std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
    std::exit(1);
  }
}

}  // namespace

void write_picture(const QString& dir, const QString& name, QSize size, const Drawing& draw) {
  QDir().mkpath(dir);
  save(render(size, 1, draw), dir + "/" + name + ".png");
  save(render(size, 2, draw), dir + "/" + name + "@2x.png");
}

void write_cursor(const QString& dir, const QString& name, QSize size, QPoint hotspot,
                  const Drawing& draw) {
  QDir().mkpath(dir);
  const QString spot = QString("%1,%2").arg(hotspot.x()).arg(hotspot.y());
  for (int scale : {1, 2}) {
    QImage image = render(size, scale, draw);
    image.setText("hotspot", spot);
    save(image, dir + "/" + name + (scale == 2 ? "@2x.png" : ".png"));
  }
}

}  // namespace artgen

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: artgen RESOURCES_DIR\n");
    return 2;
  }
  const QString resources = QString::fromLocal8Bit(argv[1]);
  artgen::generate_menu_art(resources);
  artgen::generate_memory_art(resources);
  return 0;
}
