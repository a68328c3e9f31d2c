// Tests of the memory rules: variants, rounds, picks, waits, grading and refused picks.
#include "memory_exercise.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

const WaitTimerRequest leave_timer{WaitTimerAction::leave, 0};
const WaitTimerRequest stop_timer{WaitTimerAction::stop, 0};

WaitTimerRequest restart_timer(int interval_ms) {
  return {WaitTimerAction::restart, interval_ms};
}

std::vector<int> cards_from_to(int first, int last) {
  std::vector<int> cards;
  for (int card = first; card <= last; ++card) cards.push_back(card);
  return cards;
}

// A window opened on a variant, its set-up wait over, and a round started in a layout.
class MemoryRoundTest : public testing::Test {
 protected:
  void open_window(std::string_view variant) {
    exercise.set_up();
    exercise.select_variant(variant);
    exercise.wait_tick();
  }

  void start(int layout) {
    open_window("1");
    exercise.start_round(layout);
  }

  // Ticks n times and returns the result of the last tick.
  MemoryTick tick(int times) {
    MemoryTick last{false, {}};
    for (int count = 0; count < times; ++count) last = exercise.wait_tick();
    return last;
  }

  void end_preview() { ASSERT_TRUE(tick(memory_wait_ticks).wait_ended); }

  std::vector<int> face_up_cards() const {
    std::vector<int> cards;
    for (int card = 1; card <= memory_card_count; ++card) {
      if (exercise.face_up(card)) cards.push_back(card);
    }
    return cards;
  }

  MemoryExercise exercise;
};

}  // namespace

TEST(MemoryCardsTest, CardsKAndKPlusTenFormPairK) {
  struct CardCase {
    int card, pair, partner;
  };
  constexpr CardCase cases[] = {{1, 1, 11}, {7, 7, 17}, {10, 10, 20}, {11, 1, 1}, {20, 10, 10}};
  for (const CardCase& card : cases) {
    SCOPED_TRACE(card.card);
    EXPECT_EQ(pair_of(card.card), card.pair);
    EXPECT_EQ(partner(card.card), card.partner);
  }
}

TEST(MemoryExerciseTest, SelectVariantTakesOnlyAnExactVariantText) {
  struct VariantCase {
    std::string_view text;
    std::optional<std::string_view> title;
  };
  const VariantCase cases[] = {
      {"1", "Memory 1"}, {"2", "Memory 2"}, {"3", "Memory 3"}, {"4", "Memory 4"},
      {"5", {}},         {"0", {}},         {"", {}},          {" 1", {}},
      {"1 ", {}},        {"01", {}},        {"Memory 1", {}},
  };
  for (const VariantCase& variant : cases) {
    SCOPED_TRACE(variant.text);
    MemoryExercise exercise;
    const auto row = exercise.select_variant(variant.text);
    EXPECT_EQ(exercise.variant_text(), variant.text);
    ASSERT_EQ(row.has_value(), variant.title.has_value());
    EXPECT_EQ(exercise.card_set().has_value(), variant.title.has_value());
    if (row) {
      EXPECT_EQ(row->title, *variant.title);
    }
  }
}

TEST(MemoryExerciseTest, AnUnknownTextDropsTheEarlierCardSet) {
  MemoryExercise exercise;
  exercise.select_variant("3");
  EXPECT_FALSE(exercise.select_variant("7").has_value());
  EXPECT_FALSE(exercise.card_set().has_value());
}

TEST_F(MemoryRoundTest, SetUpWaitEndsOnItsFirstTickAndCoversEveryCard) {
  const MemoryWindowUpdate set_up = exercise.set_up();
  EXPECT_EQ(set_up.wait_timer, restart_timer(1));
  EXPECT_TRUE(set_up.redraw_cards.empty());  // the template's pictures stay

  const MemoryTick first_tick = exercise.wait_tick();
  EXPECT_TRUE(first_tick.wait_ended);
  EXPECT_EQ(first_tick.update.wait_timer, stop_timer);
  EXPECT_EQ(first_tick.update.redraw_cards, cards_from_to(1, 20));
  EXPECT_TRUE(face_up_cards().empty());
  EXPECT_EQ(exercise.picture_of(1), memory_back_picture);
  EXPECT_EQ(exercise.first_card(), 0);
  EXPECT_EQ(exercise.wait_count(), 0);
}

TEST_F(MemoryRoundTest, StartShowsEveryFaceAndRequestsTheFiftyMillisecondPreview) {
  open_window("1");
  const MemoryStart started = exercise.start_round(2);
  EXPECT_EQ(started.update.wait_timer, restart_timer(50));
  EXPECT_EQ(started.update.redraw_cards, cards_from_to(1, 20));
  ASSERT_TRUE(started.arrangement.has_value());
  EXPECT_EQ(started.arrangement->front(), (SlotCard{1, 11}));
  EXPECT_EQ(exercise.layout(), 2);
  EXPECT_EQ(face_up_cards(), cards_from_to(1, 20));
  EXPECT_EQ(exercise.failed_attempts(), 0);
  EXPECT_EQ(exercise.wait_count(), 0);
}

TEST_F(MemoryRoundTest, LayoutFourSwapsCardsOneAndThreeAndKeepsFourToEightHome) {
  const auto slots = MemoryExercise::arrangement(4);
  ASSERT_TRUE(slots.has_value());
  EXPECT_EQ((*slots)[0], (SlotCard{1, 3}));
  EXPECT_EQ((*slots)[2], (SlotCard{3, 1}));
  for (int slot = 4; slot <= 8; ++slot) EXPECT_EQ((*slots)[slot - 1], (SlotCard{slot, slot}));
}

TEST_F(MemoryRoundTest, EveryLayoutListsSlotsInOrderAndOnlyOneToSixExist) {
  for (int layout = -1; layout <= 7; ++layout) {
    SCOPED_TRACE(layout);
    const auto slots = MemoryExercise::arrangement(layout);
    ASSERT_EQ(slots.has_value(), layout >= 1 && layout <= 6);
    if (!slots) continue;
    for (int slot = 1; slot <= memory_card_count; ++slot) EXPECT_EQ((*slots)[slot - 1].slot, slot);
  }
}

TEST_F(MemoryRoundTest, StartBeforeTheCounterStepsMovesNoCard) {
  open_window("1");
  EXPECT_FALSE(exercise.start_round(0).arrangement.has_value());
  EXPECT_EQ(face_up_cards(), cards_from_to(1, 20));
}

TEST_F(MemoryRoundTest, PreviewEndsOnItsFiftiethTick) {
  start(1);
  EXPECT_FALSE(tick(49).wait_ended);
  EXPECT_EQ(face_up_cards(), cards_from_to(1, 20));
  const MemoryTick last = exercise.wait_tick();
  EXPECT_TRUE(last.wait_ended);
  EXPECT_EQ(last.update.wait_timer, stop_timer);
  EXPECT_TRUE(face_up_cards().empty());
}

TEST_F(MemoryRoundTest, FirstPickShowsTheCardAndLeavesTheTimer) {
  start(1);
  end_preview();
  const MemoryPick pick = exercise.pick_card(4);
  EXPECT_EQ(pick.result, PickResult::first);
  EXPECT_EQ(pick.update.wait_timer, leave_timer);
  EXPECT_EQ(pick.update.redraw_cards, std::vector{4});
  EXPECT_EQ(exercise.first_card(), 4);
  EXPECT_EQ(exercise.picture_of(4), 103);  // face 4 of variant "1"
}

TEST_F(MemoryRoundTest, MatchedPairStaysFaceUpThroughLaterWaits) {
  start(1);
  end_preview();
  exercise.pick_card(1);
  const MemoryPick second = exercise.pick_card(11);
  EXPECT_EQ(second.result, PickResult::match);
  EXPECT_EQ(second.update.wait_timer, leave_timer);
  EXPECT_TRUE(exercise.found(1));
  EXPECT_EQ(exercise.found_pairs(), 1);
  EXPECT_EQ(exercise.first_card(), 0);

  exercise.pick_card(2);
  exercise.pick_card(3);
  const MemoryTick wait_end = tick(memory_wait_ticks);
  EXPECT_TRUE(wait_end.wait_ended);
  EXPECT_EQ(face_up_cards(), (std::vector{1, 11}));
  EXPECT_EQ(wait_end.update.redraw_cards.size(), 18u);
}

TEST_F(MemoryRoundTest, FailedAttemptWaitEndsOnItsFiftiethTick) {
  start(1);
  end_preview();
  exercise.pick_card(1);
  const MemoryPick second = exercise.pick_card(2);
  EXPECT_EQ(second.result, PickResult::failed);
  EXPECT_EQ(second.update.wait_timer, restart_timer(10));
  EXPECT_EQ(exercise.failed_attempts(), 1);

  EXPECT_FALSE(tick(49).wait_ended);
  EXPECT_EQ(face_up_cards(), (std::vector{1, 2}));
  EXPECT_EQ(exercise.first_card(), 1);
  EXPECT_EQ(exercise.wait_count(), 49);

  EXPECT_TRUE(exercise.wait_tick().wait_ended);
  EXPECT_TRUE(face_up_cards().empty());
  EXPECT_EQ(exercise.first_card(), 0);
}

TEST_F(MemoryRoundTest, PickingTheSameCardTwiceIsAFailedAttempt) {
  start(1);
  end_preview();
  exercise.pick_card(5);
  EXPECT_EQ(exercise.pick_card(5).result, PickResult::failed);
  EXPECT_EQ(exercise.failed_attempts(), 1);
}

TEST_F(MemoryRoundTest, MatchDuringAWaitIsJudgedAgainstTheFirstCard) {
  start(1);
  end_preview();
  exercise.pick_card(1);
  exercise.pick_card(2);
  tick(20);
  const MemoryPick late = exercise.pick_card(11);
  EXPECT_EQ(late.result, PickResult::match);
  EXPECT_EQ(late.update.wait_timer, leave_timer);  // the running wait goes on
  EXPECT_TRUE(tick(30).wait_ended);
  EXPECT_EQ(face_up_cards(), (std::vector{1, 11}));
}

TEST_F(MemoryRoundTest, SecondFailedAttemptDuringAWaitRestartsIt) {
  start(1);
  end_preview();
  exercise.pick_card(1);
  exercise.pick_card(2);
  tick(30);
  const MemoryPick again = exercise.pick_card(3);
  EXPECT_EQ(again.result, PickResult::failed);
  EXPECT_EQ(again.update.wait_timer, restart_timer(10));
  EXPECT_EQ(exercise.failed_attempts(), 2);
  EXPECT_EQ(exercise.wait_count(), 0);
  EXPECT_FALSE(tick(49).wait_ended);
  EXPECT_TRUE(exercise.wait_tick().wait_ended);
  EXPECT_TRUE(face_up_cards().empty());
}

TEST_F(MemoryRoundTest, FailedAttemptCutsThePreviewShort) {
  start(3);
  tick(20);
  exercise.pick_card(1);
  const MemoryPick failed = exercise.pick_card(2);
  EXPECT_EQ(failed.update.wait_timer, restart_timer(10));
  EXPECT_EQ(exercise.wait_count(), 0);
  EXPECT_FALSE(tick(49).wait_ended);
  EXPECT_EQ(face_up_cards(), cards_from_to(1, 20));
  EXPECT_TRUE(exercise.wait_tick().wait_ended);
  EXPECT_TRUE(face_up_cards().empty());
}

TEST_F(MemoryRoundTest, TenthMatchFinishesAndGradesTheFailedAttempts) {
  start(5);
  end_preview();
  for (int attempt = 0; attempt < 3; ++attempt) {
    exercise.pick_card(1);
    exercise.pick_card(2);
    tick(memory_wait_ticks);
  }
  for (int pair = 1; pair <= 9; ++pair) {
    exercise.pick_card(pair + 10);
    ASSERT_EQ(exercise.pick_card(pair).result, PickResult::match);
  }
  exercise.pick_card(10);
  EXPECT_EQ(exercise.pick_card(20).result, PickResult::finished);
  EXPECT_EQ(exercise.last_result_text(),
            "Gratulation:\nDu hattest 3 Fehlversuche.\nDas ist ein sehr gutes Ergebnis.\nNote 1");
  EXPECT_EQ(face_up_cards(), cards_from_to(1, 20));
  EXPECT_TRUE(exercise.wait_tick().update.redraw_cards.empty());
}

TEST_F(MemoryRoundTest, CardPictureIsTheFaceOfItsPairInTheSelectedSet) {
  struct PictureCase {
    std::string_view variant;
    int card;
    int picture;
  };
  constexpr PictureCase cases[] = {
      {"1", 1, 110},  {"1", 14, 103}, {"2", 13, 125}, {"3", 20, 122},
      {"4", 11, 133}, {"", 1, 110},   {"9", 12, 111},  // without a set the faces of variant "1" are
                                                       // shown
  };
  for (const PictureCase& picture : cases) {
    SCOPED_TRACE(testing::Message() << "variant " << picture.variant << ", card " << picture.card);
    open_window(picture.variant);
    EXPECT_EQ(exercise.picture_of(picture.card), memory_back_picture);
    exercise.start_round(1);
    EXPECT_EQ(exercise.picture_of(picture.card), picture.picture);
  }
}

TEST(MemoryExerciseTest, ResultTextUsesTheTableOfTheVariant) {
  struct TableCase {
    std::string_view variant;
    std::string_view grade;  // for 11 failed attempts: "Note 2" by table A, "Note 1" by B
  };
  constexpr TableCase cases[] = {
      {"1", "Note 2"}, {"2", "Note 2"}, {"3", "Note 1"},
      {"4", "Note 1"}, {"", "Note 2"},  {"5", "Note 2"},  // without a set: table A
  };
  MemoryExercise exercise;
  for (const TableCase& table : cases) {
    SCOPED_TRACE(table.variant);
    exercise.select_variant(table.variant);
    const std::string text = exercise.result_text(11);
    EXPECT_TRUE(text.ends_with(table.grade)) << text;
    EXPECT_EQ(exercise.last_result_text(), text);
  }
}

TEST_F(MemoryRoundTest, PicksBeforeTheFirstStartOfAnOpeningAreRefused) {
  EXPECT_EQ(exercise.pick_card(1).result, PickResult::refused);  // never set up
  open_window("1");
  for (int card : {1, 11, 2, 12}) {
    const MemoryPick pick = exercise.pick_card(card);
    EXPECT_EQ(pick.result, PickResult::refused);
    EXPECT_TRUE(pick.update.redraw_cards.empty());
    EXPECT_EQ(pick.update.wait_timer, leave_timer);
  }
  EXPECT_TRUE(face_up_cards().empty());
  EXPECT_EQ(exercise.first_card(), 0);
  EXPECT_EQ(exercise.found_pairs(), 0);
}

TEST_F(MemoryRoundTest, ReopeningRefusesPicksUntilStartAndForgetsFoundPairs) {
  start(1);
  end_preview();
  exercise.pick_card(1);
  exercise.pick_card(11);
  open_window("2");
  EXPECT_EQ(exercise.pick_card(2).result, PickResult::refused);
  EXPECT_EQ(exercise.found_pairs(), 0);
  exercise.start_round(1);
  exercise.pick_card(1);
  EXPECT_EQ(exercise.pick_card(11).result, PickResult::match);
}

TEST_F(MemoryRoundTest, PicksOnCardsOfFoundPairsAreRefused) {
  start(1);
  end_preview();
  exercise.pick_card(1);
  exercise.pick_card(11);
  for (int pass = 0; pass < 10; ++pass) {
    EXPECT_EQ(exercise.pick_card(1).result, PickResult::refused);
    EXPECT_EQ(exercise.pick_card(11).result, PickResult::refused);
  }
  EXPECT_EQ(exercise.found_pairs(), 1);
  EXPECT_EQ(exercise.first_card(), 0);
  // A found card cannot complete a first pick either.
  exercise.pick_card(2);
  EXPECT_EQ(exercise.pick_card(1).result, PickResult::refused);
  EXPECT_EQ(exercise.first_card(), 2);
}

TEST_F(MemoryRoundTest, PicksOutsideTheCardsAreRefused) {
  start(1);
  for (int card : {0, -1, 21, 100}) {
    SCOPED_TRACE(card);
    EXPECT_EQ(exercise.pick_card(card).result, PickResult::refused);
  }
  EXPECT_EQ(exercise.first_card(), 0);
}

TEST_F(MemoryRoundTest, SetUpKeepsFailedAttemptsVariantAndResultText) {
  start(1);
  end_preview();
  exercise.pick_card(1);
  exercise.pick_card(2);
  exercise.result_text(1);
  const std::string result = exercise.last_result_text();
  exercise.set_up();
  EXPECT_EQ(exercise.failed_attempts(), 1);
  EXPECT_EQ(exercise.variant_text(), "1");
  EXPECT_EQ(exercise.last_result_text(), result);
  EXPECT_EQ(exercise.wait_count(), 49);
}
