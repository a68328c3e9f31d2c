// Rules and round state of the word retention exercise: a list shown word by word, then typed back.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One level of the exercise and the headings its window shows.
struct WordVariant {
  std::string_view variant;  // the hand-off text that selects this level
  std::string_view title;
  std::string_view subtitle;
};

// The level of a variant is its position in this table, counted from 1.
inline constexpr std::array<WordVariant, 3> word_variants{{
    {"1", "Merkfähigkeitsübung 1", "10 Wörter- Bewertung nach Korrektheit"},
    {"2", "Merkfähigkeitsübung 2", "15 Wörter- Bewertung nach Korrektheit"},
    {"3", "Merkfähigkeitsübung 3", "15 schwierige Wörter- Bewertung nach Korrektheit"},
}};

// How one typed entry was judged.
enum class EntryResult {
  ignored,  // empty, already named, or typed after the round was over: nothing counted
  right,    // a word shown in this round, named for the first time
  wrong,    // anything else
};

// The outcome of `judge_entry`: the judgement and whether the round is over after it.
struct EntryJudgement {
  EntryResult result;
  bool round_over;

  bool operator==(const EntryJudgement&) const = default;
};

// The selected variant and the state of one round; it outlives the window that shows it.
class WordExercise {
 public:
  // Stores `text` as the variant text; the row of the level whose variant equals it exactly, or
  // none (the window then keeps its headings).
  std::optional<WordVariant> select_variant(std::string_view text);

  // Starts a round: the list of group `group` (the group counter's value) at the level of the
  // variant, none unless both exist; counts and named words cleared; the interval read from
  // `tempo_text`, the text of the tempo drop-down.
  void start_round(int group, std::string_view tempo_text);

  // The next word of the list to show, counted as shown; none once every word has been shown.
  std::optional<std::string_view> next_word();

  // Judges one entry exactly as typed (no trimming, no case folding). The round is over once right
  // plus wrong entries reach the number of words shown; later entries are ignored.
  EntryJudgement judge_entry(std::string_view entry);

  // "Richtig <right>  Falsch <wrong>", the running score.
  std::string score_text() const;

  // The two-line result message with right, shown and wrong entries.
  std::string result_text() const;

  const std::string& variant_text() const { return variant_text_; }
  // The chosen list, one word per line; empty when no list was chosen.
  std::string_view list() const { return list_; }
  int tempo_ms() const { return tempo_ms_; }
  int shown() const { return shown_; }
  int right() const { return right_; }
  int wrong() const { return wrong_; }
  // The words named right in this round, in the order named.
  const std::vector<std::string_view>& named() const { return named_; }
  bool round_over() const { return round_over_; }

 private:
  std::optional<int> level() const;
  // Judges a non-final entry and counts it.
  EntryResult count_entry(std::string_view entry);
  // The shown word equal to `entry` (a view into the word table), or none.
  std::optional<std::string_view> shown_word(std::string_view entry) const;

  std::string variant_text_;
  std::string_view list_;
  std::vector<std::string_view> words_;  // the lines of list_
  int tempo_ms_ = 0;
  int shown_ = 0;
  int right_ = 0;
  int wrong_ = 0;
  std::vector<std::string_view> named_;  // views into the word table, which lives forever
  bool round_over_ = false;
};
