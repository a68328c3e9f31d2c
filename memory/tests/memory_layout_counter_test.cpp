// Tests of the layout counter's cycle.
#include "memory_layout_counter.h"

#include <gtest/gtest.h>

#include <array>

TEST(MemoryLayoutCounterTest, StartsAtZeroThenCyclesOneToSix) {
  constexpr std::array expected_after_steps{0, 1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6, 1};
  MemoryLayoutCounter counter;
  for (std::size_t steps = 0; steps < expected_after_steps.size(); ++steps) {
    SCOPED_TRACE(steps);
    EXPECT_EQ(counter.value(), expected_after_steps[steps]);
    counter.advance();
  }
}
