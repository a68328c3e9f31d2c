// The main menu's pictures: banner (bitmap 100), child at the computer (bitmap 101), program icon.
#include "artgen.h"

namespace artgen {

void generate_menu_art(const QString&) {}

}  // namespace artgen
