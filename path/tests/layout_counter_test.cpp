// Tests of the layout counter's cycle.
#include "layout_counter.h"

#include <gtest/gtest.h>

TEST(LayoutCounterTest, ReadsZeroAfterReset) {
  LayoutCounter counter;
  counter.advance();
  counter.reset();
  EXPECT_EQ(counter.value(), 0);
}

TEST(LayoutCounterTest, CyclesOneToFourFromReset) {
  constexpr int expected_after_each_step[] = {1, 2, 3, 4, 1, 2, 3, 4, 1};
  LayoutCounter counter;
  counter.reset();
  int step = 0;
  for (int expected : expected_after_each_step) {
    SCOPED_TRACE(testing::Message() << "step " << ++step);
    counter.advance();
    EXPECT_EQ(counter.value(), expected);
  }
}
