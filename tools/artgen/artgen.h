// The artwork generator's shared drawing and saving helpers.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>

namespace artgen {

// Paints in the picture's own pixel coordinates; the painter is already scaled
// for the double-size copy, so a drawing routine never needs to know which one it draws.
using Drawing = std::function<void(QPainter&)>;

// The picture `draw` paints at `size`, rendered `scale` times as large on a transparent image
// with antialiasing on.
QImage render(QSize size, int scale, const Drawing& draw);

// Writes `<dir>/<name>.png` at `size` and `<dir>/<name>@2x.png` at twice that size,
// both drawn by `draw` on a transparent image with antialiasing on.
void write_picture(const QString& dir, const QString& name, QSize size, const Drawing& draw);

// As write_picture, and records the pointer's hot spot (in 1x pixels) in the PNG's
// "hotspot" text entry as "x,y", where the program's pointer loader reads it.
void write_cursor(const QString& dir, const QString& name, QSize size, QPoint hotspot,
                  const Drawing& draw);

// Each family of pictures draws into the resources folder it is given.
void generate_menu_art(const QString& resources_dir);    // bitmaps 100, 101 and the program icon
void generate_memory_art(const QString& resources_dir);  // bitmaps 102..142 and cursors 100..102

}  // namespace artgen
