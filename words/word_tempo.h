// The presentation tempo of the word retention exercise: the offered choices and their reading.
#pragma once

#include <array>
#include <string_view>

// The intervals (ms) the tempo drop-down offers, in this order.
inline constexpr std::array<std::string_view, 6> tempo_choices{"500",  "1000", "2000",
                                                               "5000", "7000", "8000"};

// The drop-down's text before the player picks a tempo.
inline constexpr std::string_view tempo_prompt = "Tempo";

// The interval used while the drop-down still shows the prompt or nothing.
inline constexpr int default_tempo_ms = 5000;

// The interval in ms for the drop-down's text: the default for "" and "Tempo"; otherwise the
// decimal number at the start of the text (blanks before it skipped, anything after it ignored,
// read in the C locale whatever the process locale is) truncated toward zero and clamped to the
// range of int; NaN and a text that does not begin with a number give 0.
int tempo_ms_from_text(std::string_view text);
