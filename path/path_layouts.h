// The twelve fixed cell arrangements of the path, three per layout group.
#pragma once

#include <array>
#include <optional>

#include "path_variant.h"

// One arrangement: for slots 1 .. `slot_count` in order, the cell shown in that slot.
struct PathLayoutRow {
  PathGroup group;
  int layout;      // 1, 2 or 3
  int slot_count;  // N of the variants of this group; later entries of `cells` are unused
  std::array<int, path_cell_count> cells;
};

struct PathLayouts {
  static constexpr std::array<PathLayoutRow, 12> rows{{
      {PathGroup::A, 1, 15, {7, 6, 1, 12, 5, 11, 10, 3, 2, 13, 9, 14, 15, 8, 4}},
      {PathGroup::A, 2, 15, {3, 15, 11, 7, 9, 2, 1, 13, 8, 14, 10, 12, 6, 4, 5}},
      {PathGroup::A, 3, 15, {8, 1, 11, 3, 10, 7, 4, 12, 2, 13, 15, 5, 9, 14, 6}},
      {PathGroup::B, 1, 20, {17, 1,  3, 11, 2, 8, 10, 13, 5,  12,
                             15, 16, 6, 9,  4, 7, 18, 14, 19, 20}},
      {PathGroup::B, 2, 20, {7,  20, 6,  19, 18, 3,  4,  9, 5,  8,
                             15, 14, 10, 1,  12, 13, 17, 2, 11, 16}},
      {PathGroup::B, 3, 20, {17, 15, 7, 4,  9, 13, 2,  10, 20, 5,
                             3,  19, 8, 14, 6, 16, 12, 11, 1,  18}},
      {PathGroup::C, 1, 28, {7,  15, 20, 25, 13, 27, 1,  16, 21, 2, 10, 17, 26, 3,
                             11, 4,  28, 23, 18, 19, 22, 14, 6,  8, 9,  24, 12, 5}},
      {PathGroup::C, 2, 28, {21, 13, 7, 22, 1,  9,  27, 8,  14, 10, 26, 15, 19, 28,
                             6,  25, 5, 4,  12, 23, 24, 16, 20, 2,  18, 17, 11, 3}},
      {PathGroup::C, 3, 28, {24, 14, 1,  8, 5,  19, 12, 20, 10, 21, 22, 27, 17, 11,
                             7,  13, 23, 6, 28, 15, 9,  2,  18, 26, 16, 4,  25, 3}},
      {PathGroup::D, 1, 26, {24, 14, 1,  8,  16, 5,  19, 12, 20, 4,  10, 21, 22,
                             13, 15, 17, 11, 7,  26, 25, 23, 6,  18, 3,  2,  9}},
      {PathGroup::D, 2, 26, {5,  11, 10, 3,  1, 12, 24, 23, 14, 21, 8, 17, 15,
                             20, 19, 25, 26, 6, 9,  7,  16, 22, 13, 4, 18, 2}},
      {PathGroup::D, 3, 26, {8,  1, 5, 26, 6, 12, 24, 17, 22, 20, 25, 21, 11,
                             19, 3, 4, 14, 2, 16, 9,  13, 7,  15, 10, 23, 18}},
  }};

  // The arrangement of `group` for `layout`, or none when `layout` is not 1, 2 or 3.
  static constexpr std::optional<PathLayoutRow> find(PathGroup group, int layout) {
    for (const PathLayoutRow& row : rows) {
      if (row.group == group && row.layout == layout) return row;
    }
    return std::nullopt;
  }
};
