// Rules and round state of the picture memory: twenty cards, ten pairs, failed attempts graded.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "memory_card_set.h"

inline constexpr int memory_card_count = 20;
inline constexpr int memory_pair_count = 10;

// The pair (1 .. 10) that card 1 .. 20 belongs to: cards k and k + 10 form pair k.
constexpr int pair_of(int card) {
  return card > memory_pair_count ? card - memory_pair_count : card;
}

// The other card of the pair of card 1 .. 20; a card is never its own partner.
constexpr int partner(int card) {
  return card > memory_pair_count ? card - memory_pair_count : card + memory_pair_count;
}

// How a pick on a card was judged.
enum class PickResult {
  first,     // the first card of an attempt
  match,     // the partner of the first card: the pair stays face up
  failed,    // any other second card: a failed attempt, a wait begins
  finished,  // the tenth match: the round is over and the result text is composed
  refused,   // no round has been started in this opening, or the card's pair is already found
};

enum class WaitTimerAction {
  leave,    // do nothing to the wait timer
  restart,  // stop it if it runs, then start it repeating with interval_ms
  stop,     // stop it
};

// What the window does with its wait timer after a call into the rules.
struct WaitTimerRequest {
  WaitTimerAction action = WaitTimerAction::leave;
  int interval_ms = 0;  // only for restart

  bool operator==(const WaitTimerRequest&) const = default;
};

// What the window changes after a call: its wait timer, and the card boxes that must now show
// `picture_of(card)`. Boxes not listed keep what they show.
struct MemoryWindowUpdate {
  WaitTimerRequest wait_timer;
  std::vector<int> redraw_cards;
};

// A slot of the grid (1 .. 20, reading order) and the card that moves to its home position.
struct SlotCard {
  int slot;
  int card;

  bool operator==(const SlotCard&) const = default;
};
using MemoryArrangement = std::array<SlotCard, memory_card_count>;

// The outcome of `start_round`: where the cards go (none: they stay where they are) and the update.
struct MemoryStart {
  std::optional<MemoryArrangement> arrangement;
  MemoryWindowUpdate update;
};

// The outcome of `pick_card`.
struct MemoryPick {
  PickResult result;
  MemoryWindowUpdate update;
};

// The outcome of `wait_tick`: whether this tick ended the wait, and the update.
struct MemoryTick {
  bool wait_ended;
  MemoryWindowUpdate update;
};

// Ticks of the wait timer in every wait, and the timer intervals of the three waits.
inline constexpr int memory_wait_ticks = 50;
inline constexpr int memory_set_up_interval_ms = 1;
inline constexpr int memory_preview_interval_ms = 50;
inline constexpr int memory_failed_interval_ms = 10;

// The selected variant and the state of one round; it outlives the window that shows it.
class MemoryExercise {
 public:
  // Prepares a new opening: no pair found, no round started, and a one-tick wait that covers
  // every card (the window shows its template pictures until that tick).
  MemoryWindowUpdate set_up();

  // Stores `text` as the variant text; the card set whose variant equals it exactly, or none.
  std::optional<MemoryCardSet> select_variant(std::string_view text);

  // Starts a round in arrangement `layout` (the layout counter's value): all faces up for a
  // preview wait of 50 ticks at 50 ms; a layout other than 1 .. 6 leaves the cards in place.
  MemoryStart start_round(int layout);

  // The (slot, card) pairs of arrangement `layout`, or none for values other than 1 .. 6.
  static std::optional<MemoryArrangement> arrangement(int layout);

  // Judges a pick on card 1 .. 20; a failed attempt (re)starts the wait of 50 ticks at 10 ms.
  MemoryPick pick_card(int card);

  // Counts one tick of the wait timer; the 50th tick ends the wait, stops the timer and covers
  // every card of a pair not found.
  MemoryTick wait_tick();

  // The graded message for `failed_attempts`, by the table of the selected variant (table A
  // when none is selected); it is also stored as the last result text.
  std::string result_text(int failed_attempts);

  // The picture number card 1 .. 20 shows: its face while face up, otherwise the back.
  int picture_of(int card) const;

  const std::string& variant_text() const { return variant_text_; }
  const std::optional<MemoryCardSet>& card_set() const { return card_set_; }
  int layout() const { return layout_; }
  int found_pairs() const { return found_pairs_; }
  int failed_attempts() const { return failed_attempts_; }
  int first_card() const { return first_card_; }
  // Ticks of the wait now running; 0 when no wait runs.
  int wait_count() const { return wait_count_; }
  // Whether pair 1 .. 10 has been found in this round.
  bool found(int pair) const;
  // Whether card 1 .. 20 shows its face.
  bool face_up(int card) const;
  // The message of the last graded round, kept until the next grading.
  const std::string& last_result_text() const { return last_result_text_; }

 private:
  bool accepts_pick(int card) const;
  PickResult record_match();
  WaitTimerRequest record_failed_attempt();
  std::vector<int> cover_cards_not_found();
  const MemoryCardSet& playing_set() const;

  std::string variant_text_;
  std::optional<MemoryCardSet> card_set_;
  int layout_ = 0;
  std::array<bool, memory_pair_count> found_{};
  int found_pairs_ = 0;
  int failed_attempts_ = 0;
  int first_card_ = 0;  // 0: no first pick recorded
  int wait_count_ = 0;
  std::array<bool, memory_card_count> face_up_{};
  std::string last_result_text_;
  // Picks count only once Start has been pressed in this opening; found_pairs_ is cleared by
  // set_up alone, so earlier picks would carry matches into the round.
  bool round_started_ = false;
};
