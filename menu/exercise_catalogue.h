// ExerciseCatalogue: the fifteen exercises of the main menu, one row per button.
#pragma once

#include <optional>
#include <span>
#include <string_view>

// The exercise window a menu button opens.
enum class ExerciseForm { Form2, Form3, Form4, Form5 };

struct ExerciseEntry {
  std::string_view button;   // the menu button's member name, "cb_1" .. "cb_15"
  int button_id;             // its control id in the menu's dialog template
  std::string_view caption;  // its text
  ExerciseForm form;         // the window it opens
  std::string_view variant;  // the digit handed to that window
};

class ExerciseCatalogue {
 public:
  // The entry of a menu button, or none for any other control.
  static std::optional<ExerciseEntry> find_entry(std::string_view button);
  // The fifteen entries, grouped by exercise window.
  static std::span<const ExerciseEntry> all_entries();
};
