// Rules of the arithmetic exercise: the two task tables, one round of fifteen presses, its grade.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

inline constexpr int arithmetic_task_count = 15;

// One task and the text on the answer button that scores for it.
struct ArithmeticRow {
  std::string_view task;
  std::string_view button;
};

// One level of the exercise: the variant text that selects it, its heading and its tasks in order.
struct ArithmeticTable {
  std::string_view variant;
  std::string_view title;
  std::array<ArithmeticRow, arithmetic_task_count> rows;
};

// Row k-1 belongs to task k and answer button k; button k shows the result of task k.
inline constexpr std::array<ArithmeticTable, 2> arithmetic_tables{{
    {"1",
     "Rechenübung 1",
     {{
         {"12+14", "26"},
         {"17+19", "36"},
         {"28+24", "52"},
         {"7+16", "23"},
         {"27+14", "41"},
         {"12+13-16", "9"},
         {"19+12-8", "23"},
         {"43+16-39", "20"},
         {"3+6-5", "4"},
         {"58+18-9", "67"},
         {"63+8-14", "57"},
         {"48+39-16", "71"},
         {"72+14-47", "39"},
         {"52+26-19", "59"},
         {"36+45-12", "69"},
     }}},
    {"2",
     "Rechenübung 2",
     {{
         {"3*14", "42"},
         {"7*12", "84"},
         {"9*11", "99"},
         {"7*16", "112"},
         {"4*17", "68"},
         {"3*14/2", "21"},
         {"7*12/6", "14"},
         {"4*22/11", "8"},
         {"16*6/3", "32"},
         {"13*11-43", "100"},
         {"7*14/2", "49"},
         {"4*24/8", "12"},
         {"27*2/3", "18"},
         {"3*16/2", "24"},
         {"17*6/2", "51"},
     }}},
}};

// One arithmetic exercise: the chosen variant, the loaded texts and the round being played.
// The loaded texts and the variant outlive a round and are used again by the next one.
class ArithmeticExercise {
 public:
  // Stores `variant` for the coming rounds; the level's title for "1" or "2", none for any other
  // text.
  std::optional<std::string_view> select_variant(std::string_view variant);

  // Begins a round at task 1 with 0 points, loading the stored variant's texts if it names a level.
  void start_round();

  // The loaded text of answer button k (1..15); empty before any level was loaded or for another k.
  std::string_view button_text(int k) const;

  // The loaded text of the task being asked; empty while no task is asked.
  std::string_view task_text() const;

  // Judges a press of answer button k; true when the round is over (also for a press after it).
  // A press while no round is running changes nothing.
  bool press_answer(int k);

  // The grade message for the points of this round, meant for a finished round.
  std::string result_text() const;

  // The task being asked: 1..15 while a round runs, 16 once it is over, 0 before the first round.
  int current_task() const { return current_task_; }

  // The presses that scored in this round.
  int points() const { return points_; }

  // The variant text last given to select_variant.
  std::string_view variant() const { return variant_; }

  // True between the start of a round and its fifteenth press.
  bool round_running() const;

  // True once the fifteenth press of a round has been judged.
  bool round_over() const { return current_task_ == round_over_task; }

 private:
  static constexpr int round_over_task = arithmetic_task_count + 1;

  std::string variant_;
  std::array<ArithmeticRow, arithmetic_task_count> loaded_{};
  int current_task_ = 0;
  int points_ = 0;
};
