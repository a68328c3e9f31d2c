// The fast-cycling counter whose value at the press on Start picks the cell arrangement.
#include "layout_counter.h"

void LayoutCounter::advance() {
  value_ = value_ > 3 ? 1 : value_ + 1;
}
