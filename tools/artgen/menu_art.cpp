// The main menu's pictures: banner (bitmap 100), child at the computer (bitmap 101), program icon.
#include "artgen.h"
#include "menu_shapes.h"

namespace artgen {

void generate_menu_art(const QString& resources_dir) {
  const QString bitmaps = resources_dir + "/bitmaps";
  write_picture(bitmaps, "100", QSize(570, 83), menu::draw_banner);
  write_picture(bitmaps, "101", QSize(95, 83), menu::draw_child_at_computer);
  // The window system picks the icon size it needs; small sizes get a simpler drawing.
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    write_picture(resources_dir + "/icons", QString("100_%1").arg(size), QSize(size, size),
                  [size](QPainter& painter) { menu::draw_icon(painter, size); });
  }
}

}  // namespace artgen
