// Rules and round state of the word retention exercise: a list shown word by word, then typed back.
#include "word_exercise.h"

#include <algorithm>
#include <span>

#include "printf_text.h"
#include "word_lists.h"
#include "word_tempo.h"

std::optional<WordVariant> WordExercise::select_variant(std::string_view text) {
  variant_text_ = text;
  const auto row = std::ranges::find(word_variants, text, &WordVariant::variant);
  if (row == word_variants.end()) return std::nullopt;
  return *row;
}

void WordExercise::start_round(int group, std::string_view tempo_text) {
  const auto chosen_level = level();
  list_ = chosen_level ? word_list_text(group, *chosen_level) : std::string_view{};
  words_ = words_of(list_);
  shown_ = 0;
  right_ = 0;
  wrong_ = 0;
  named_.clear();
  round_over_ = false;
  tempo_ms_ = tempo_ms_from_text(tempo_text);
}

std::optional<std::string_view> WordExercise::next_word() {
  const auto next = static_cast<std::size_t>(shown_);
  if (next >= words_.size() || words_[next].empty()) return std::nullopt;
  ++shown_;
  return words_[next];
}

EntryJudgement WordExercise::judge_entry(std::string_view entry) {
  // The round's result is final: the window shows it until it is closed.
  if (round_over_) return {EntryResult::ignored, true};
  const EntryResult result = count_entry(entry);
  // Ignored entries are tested too: with nothing shown, the first press of ok ends the round.
  round_over_ = right_ + wrong_ >= shown_;
  return {result, round_over_};
}

std::string WordExercise::score_text() const {
  return printf_text("Richtig %d  Falsch %d", right_, wrong_);
}

std::string WordExercise::result_text() const {
  return printf_text("Du hast %d Objekte von %d gewusst.\nDu hast %d falsche Eingaben gemacht.",
                     right_, shown_, wrong_);
}

std::optional<int> WordExercise::level() const {
  const auto row =
      std::ranges::find(word_variants, std::string_view{variant_text_}, &WordVariant::variant);
  if (row == word_variants.end()) return std::nullopt;
  return static_cast<int>(row - word_variants.begin()) + 1;
}

EntryResult WordExercise::count_entry(std::string_view entry) {
  if (entry.empty()) return EntryResult::ignored;
  const auto word = shown_word(entry);
  if (!word) {
    ++wrong_;
    return EntryResult::wrong;
  }
  if (std::ranges::find(named_, *word) != named_.end()) return EntryResult::ignored;
  ++right_;
  named_.push_back(*word);
  return EntryResult::right;
}

std::optional<std::string_view> WordExercise::shown_word(std::string_view entry) const {
  const auto shown_words = std::span{words_}.first(static_cast<std::size_t>(shown_));
  const auto word = std::ranges::find(shown_words, entry);
  if (word == shown_words.end()) return std::nullopt;
  return *word;
}
