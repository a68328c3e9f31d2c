// Tests of the group counter that picks the word list at Start.
#include "group_counter.h"

#include <gtest/gtest.h>

#include <array>

TEST(GroupCounter, StartsAtZeroThenCyclesOneToFive) {
  GroupCounter counter;
  EXPECT_EQ(counter.value(), 0);
  constexpr std::array expected{1, 2, 3, 4, 5, 1, 2, 3, 4, 5, 1};
  for (const int value : expected) {
    counter.advance();
    EXPECT_EQ(counter.value(), value);
  }
}

TEST(GroupCounter, ResetReturnsToZeroAndCyclesAgainFromOne) {
  GroupCounter counter;
  for (int step = 0; step < 3; ++step) counter.advance();
  counter.reset();
  EXPECT_EQ(counter.value(), 0);
  counter.advance();
  EXPECT_EQ(counter.value(), 1);
}
