// Tests of the twelve cell arrangements.
#include "path_layouts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// Cells of the variants that use each layout group.
int cells_of_group(PathGroup group) {
  switch (group) {
    case PathGroup::A:
      return 15;
    case PathGroup::B:
      return 20;
    case PathGroup::C:
      return 28;
    case PathGroup::D:
      return 26;
  }
  return 0;
}

}  // namespace

TEST(PathLayoutsTest, EveryRowIsAPermutationOfTheCellsOfItsGroup) {
  for (const PathLayoutRow& row : PathLayouts::rows) {
    SCOPED_TRACE(testing::Message()
                 << "group " << static_cast<int>(row.group) << " layout " << row.layout);
    const int cells = cells_of_group(row.group);
    ASSERT_EQ(row.slot_count, cells);
    std::vector<int> shown(row.cells.begin(), row.cells.begin() + cells);
    std::ranges::sort(shown);
    std::vector<int> one_to_n(static_cast<std::size_t>(cells));
    std::iota(one_to_n.begin(), one_to_n.end(), 1);
    EXPECT_EQ(shown, one_to_n);
    EXPECT_TRUE(std::all_of(row.cells.begin() + cells, row.cells.end(),
                            [](int unused) { return unused == 0; }));
  }
}

TEST(PathLayoutsTest, EachGroupHasLayoutsOneToThreeOnly) {
  for (PathGroup group : {PathGroup::A, PathGroup::B, PathGroup::C, PathGroup::D}) {
    SCOPED_TRACE(testing::Message() << "group " << static_cast<int>(group));
    for (int layout : {1, 2, 3}) {
      const auto row = PathLayouts::find(group, layout);
      ASSERT_TRUE(row.has_value());
      EXPECT_EQ(row->group, group);
      EXPECT_EQ(row->layout, layout);
    }
    EXPECT_FALSE(PathLayouts::find(group, 0).has_value());
    EXPECT_FALSE(PathLayouts::find(group, 4).has_value());
  }
}

TEST(PathLayoutsTest, GroupALayoutOneShowsCellSevenFirstAndCellFourLast) {
  const auto row = PathLayouts::find(PathGroup::A, 1);
  ASSERT_TRUE(row.has_value());
  EXPECT_EQ(row->cells[0], 7);
  EXPECT_EQ(row->cells[1], 6);
  EXPECT_EQ(row->cells[14], 4);
}
