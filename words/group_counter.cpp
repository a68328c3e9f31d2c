// The fast-cycling counter whose value at Start chooses the group of the word list.
#include "group_counter.h"

void GroupCounter::advance() {
  value_ = value_ > 4 ? 1 : value_ + 1;
}
