// The fast-cycling counter whose value at Start chooses the card arrangement.
#include "memory_layout_counter.h"

void MemoryLayoutCounter::advance() {
  value_ = value_ > 5 ? 1 : value_ + 1;
}
