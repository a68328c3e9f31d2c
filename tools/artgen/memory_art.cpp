// The memory game's pictures: card back (bitmap 102), four sets of faces, three pointers, and
// a contact sheet of them all for the documentation.
#include "memory_art.h"

namespace artgen {

namespace memory {

namespace {

// A one-pixel checker of white and pure blue; drawn without antialiasing so that every square
// stays crisp, also in the double-size copy where each square covers two by two pixels.
void draw_checker(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(QRect(0, 0, 87, 79), Qt::white);
  for (int y = 0; y < 79; ++y) {
    for (int x = 1 - y % 2; x < 87; x += 2) painter.fillRect(QRect(x, y, 1, 1), QColor(0, 0, 255));
  }
}

}  // namespace

Picture card_back() {
  return {102, QSize(87, 79), draw_checker};
}

}  // namespace memory

void generate_memory_art(const QString& resources_dir) {
  const QString bitmaps = resources_dir + "/bitmaps";
  const memory::Picture back = memory::card_back();
  const std::vector<memory::FaceSet> sets = {memory::symbol_faces(), memory::clipart_faces(),
                                             memory::gradient_faces(), memory::sun_faces()};
  const std::vector<memory::Pointer> pointers = memory::pointers();

  write_picture(bitmaps, QString::number(back.number), back.size, back.draw);
  for (const memory::FaceSet& set : sets) {
    for (const memory::Picture& face : set.faces) {
      write_picture(bitmaps, QString::number(face.number), face.size, face.draw);
    }
  }
  for (const memory::Pointer& pointer : pointers) {
    write_cursor(resources_dir + "/cursors", QString::number(pointer.number), QSize(32, 32),
                 pointer.hotspot, pointer.draw);
  }
  memory::write_contact_sheet(resources_dir + "/../docs/memory_contact_sheet.png", back, sets,
                              pointers);
}

}  // namespace artgen
