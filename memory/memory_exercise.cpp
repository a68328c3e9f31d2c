// Rules and round state of the picture memory: twenty cards, ten pairs, failed attempts graded.
#include "memory_exercise.h"

#include <algorithm>

#include "memory_layouts.h"

namespace {

bool is_card(int card) {
  return card >= 1 && card <= memory_card_count;
}

std::vector<int> all_cards() {
  std::vector<int> cards(memory_card_count);
  for (int card = 1; card <= memory_card_count; ++card) cards[card - 1] = card;
  return cards;
}

WaitTimerRequest restart_wait_timer(int interval_ms) {
  return {WaitTimerAction::restart, interval_ms};
}

}  // namespace

MemoryWindowUpdate MemoryExercise::set_up() {
  found_.fill(false);
  found_pairs_ = 0;
  round_started_ = false;
  // One tick short of a full wait, so the first tick already ends it and covers the cards.
  wait_count_ = memory_wait_ticks - 1;
  return {restart_wait_timer(memory_set_up_interval_ms), {}};
}

std::optional<MemoryCardSet> MemoryExercise::select_variant(std::string_view text) {
  variant_text_ = std::string(text);
  const auto row = std::ranges::find(memory_card_sets, text, &MemoryCardSet::variant);
  card_set_ = row == memory_card_sets.end() ? std::nullopt : std::optional(*row);
  return card_set_;
}

MemoryStart MemoryExercise::start_round(int layout) {
  wait_count_ = 0;
  failed_attempts_ = 0;
  found_.fill(false);
  layout_ = layout;
  face_up_.fill(true);
  round_started_ = true;
  return {arrangement(layout), {restart_wait_timer(memory_preview_interval_ms), all_cards()}};
}

std::optional<MemoryArrangement> MemoryExercise::arrangement(int layout) {
  const auto row = std::ranges::find(MemoryLayouts::rows, layout, &MemoryLayout::number);
  if (row == MemoryLayouts::rows.end()) return std::nullopt;
  MemoryArrangement slots{};
  for (int slot = 1; slot <= memory_card_count; ++slot) {
    slots[slot - 1] = {slot, row->cards_in_slots[slot - 1]};
  }
  return slots;
}

MemoryPick MemoryExercise::pick_card(int card) {
  if (!accepts_pick(card)) return {PickResult::refused, {}};
  face_up_[card - 1] = true;
  MemoryWindowUpdate update{{}, {card}};
  if (first_card_ == 0) {
    first_card_ = card;
    return {PickResult::first, update};
  }
  if (first_card_ == partner(card)) return {record_match(), update};
  update.wait_timer = record_failed_attempt();
  return {PickResult::failed, update};
}

MemoryTick MemoryExercise::wait_tick() {
  ++wait_count_;
  if (wait_count_ < memory_wait_ticks) return {false, {}};
  wait_count_ = 0;
  first_card_ = 0;
  return {true, {{WaitTimerAction::stop, 0}, cover_cards_not_found()}};
}

std::string MemoryExercise::result_text(int failed_attempts) {
  last_result_text_ = playing_set().grade_table->message_for(failed_attempts);
  return last_result_text_;
}

int MemoryExercise::picture_of(int card) const {
  if (!face_up(card)) return memory_back_picture;
  return playing_set().faces[pair_of(card) - 1];
}

bool MemoryExercise::found(int pair) const {
  return pair >= 1 && pair <= memory_pair_count && found_[pair - 1];
}

bool MemoryExercise::face_up(int card) const {
  return is_card(card) && face_up_[card - 1];
}

bool MemoryExercise::accepts_pick(int card) const {
  // A found card picked again would count as a new match and could end the round early.
  return round_started_ && is_card(card) && !found(pair_of(card));
}

PickResult MemoryExercise::record_match() {
  ++found_pairs_;
  found_[pair_of(first_card_) - 1] = true;
  first_card_ = 0;
  // A wait that already runs goes on: the timer is left alone.
  if (found_pairs_ < memory_pair_count) return PickResult::match;
  result_text(failed_attempts_);
  return PickResult::finished;
}

WaitTimerRequest MemoryExercise::record_failed_attempt() {
  // first_card_ stays recorded until the wait ends, so a further pick is judged against it.
  wait_count_ = 0;
  ++failed_attempts_;
  return restart_wait_timer(memory_failed_interval_ms);
}

std::vector<int> MemoryExercise::cover_cards_not_found() {
  std::vector<int> covered;
  for (int card = 1; card <= memory_card_count; ++card) {
    if (found(pair_of(card))) continue;
    face_up_[card - 1] = false;
    covered.push_back(card);
  }
  return covered;
}

const MemoryCardSet& MemoryExercise::playing_set() const {
  // Without a selected set the round is played and graded like variant "1": its faces are the
  // ones the window's template already shows, and its table is table A.
  return card_set_ ? *card_set_ : memory_card_sets.front();
}
