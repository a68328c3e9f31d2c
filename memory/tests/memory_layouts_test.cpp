// Tests of the six card arrangements.
#include "memory_layouts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>

TEST(MemoryLayoutsTest, RowsAreNumberedOneToSix) {
  for (std::size_t index = 0; index < MemoryLayouts::rows.size(); ++index) {
    EXPECT_EQ(MemoryLayouts::rows[index].number, static_cast<int>(index) + 1);
  }
}

TEST(MemoryLayoutsTest, EachRowPutsEveryCardInExactlyOneSlot) {
  std::array<int, 20> every_card{};
  std::iota(every_card.begin(), every_card.end(), 1);
  for (const MemoryLayout& layout : MemoryLayouts::rows) {
    SCOPED_TRACE(layout.number);
    auto cards = layout.cards_in_slots;
    std::ranges::sort(cards);
    EXPECT_EQ(cards, every_card);
  }
}

TEST(MemoryLayoutsTest, LayoutOneStartsWithPairsThreeSixNineTwoFive) {
  const auto& cards = MemoryLayouts::rows[0].cards_in_slots;
  EXPECT_EQ((std::array{cards[0], cards[1], cards[2], cards[3], cards[4]}),
            (std::array{3, 6, 9, 2, 5}));
  EXPECT_EQ(cards[19], 19);
}
