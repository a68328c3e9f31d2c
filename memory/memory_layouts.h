// The six fixed card arrangements of the memory game.
#pragma once

#include <array>

// One arrangement: for slots 1 .. 20 in reading order, the card put in that slot.
struct MemoryLayout {
  int number;
  std::array<int, 20> cards_in_slots;
};

// The arrangements chosen by the layout counter's value at Start.
struct MemoryLayouts {
  static constexpr std::array<MemoryLayout, 6> rows{{
      {1, {3, 6, 9, 2, 5, 8, 1, 4, 7, 10, 14, 18, 12, 16, 20, 13, 17, 11, 15, 19}},
      {2, {11, 10, 13, 9, 8, 12, 14, 15, 7, 6, 16, 5, 17, 4, 18, 3, 19, 2, 20, 1}},
      {3, {9, 17, 7, 10, 18, 6, 20, 14, 19, 15, 12, 11, 16, 3, 4, 13, 2, 1, 5, 8}},
      {4, {3, 2, 1, 4, 5, 6, 7, 8, 10, 9, 15, 17, 16, 19, 18, 13, 14, 12, 11, 20}},
      {5, {2, 11, 17, 5, 15, 7, 10, 16, 1, 4, 19, 13, 8, 12, 14, 6, 3, 9, 18, 20}},
      {6, {16, 1, 11, 20, 13, 5, 4, 14, 8, 9, 6, 12, 10, 17, 18, 19, 2, 7, 3, 15}},
  }};
};
