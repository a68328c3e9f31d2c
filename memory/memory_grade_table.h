// The two grade tables of the memory game: failed-attempt bands and their messages.
#pragma once

#include <array>
#include <limits>
#include <string>
#include <string_view>

// One band of a grade table: it holds every count up to `most_failed` not held by an earlier band.
struct MemoryGradeBand {
  int most_failed;
  std::string_view message;  // printf format with one "%d" for the count
};

// Five bands over the number of failed attempts, tested in order.
struct MemoryGradeTable {
  std::array<MemoryGradeBand, 5> bands;

  // The message of the first band that holds `failed_attempts`, with the count written in.
  std::string message_for(int failed_attempts) const;
};

// The five messages are shared by both tables; only the bands differ.
inline constexpr std::string_view memory_message_note_1 =
    "Gratulation:\nDu hattest %d Fehlversuche.\nDas ist ein sehr gutes Ergebnis.\nNote 1";
inline constexpr std::string_view memory_message_note_2 =
    "Gratulation:\nDu hattest %d Fehlversuche.\nDas ist ein gutes Ergebnis.\nNote 2";
inline constexpr std::string_view memory_message_note_3 =
    "Gratulation du hast es geschafft:\nDu hattest %d Fehlversuche.\nDas ist ein "
    "durchschnittliches Ergebnis.\nImmer fleißig weiter üben.\nNote 3";
inline constexpr std::string_view memory_message_note_4 =
    "Gratulation du hast es geschafft:\nDu hattest %d Fehlversuche.\nDas ist ein "
    "durchschnittliches Ergebnis.\nImmer fleißig weiter üben.\nNote 4";
inline constexpr std::string_view memory_message_no_grade =
    "Gratulation du hast es geschafft:\nDu hattest %d Fehlversuche.\nDas ist noch ein "
    "schlechtes Ergebnis.\nImmer fleißig weiter üben, es wird schon besser.\nOhne Bewertung";

// The last band of each table is open upwards.
inline constexpr int memory_no_upper_bound = std::numeric_limits<int>::max();

// Table A grades the variants "1" and "2".
inline constexpr MemoryGradeTable memory_grade_table_a{{{
    {10, memory_message_note_1},
    {15, memory_message_note_2},
    {20, memory_message_note_3},
    {25, memory_message_note_4},
    {memory_no_upper_bound, memory_message_no_grade},
}}};

// Table B grades the variants "3" and "4".
inline constexpr MemoryGradeTable memory_grade_table_b{{{
    {13, memory_message_note_1},
    {18, memory_message_note_2},
    {23, memory_message_note_3},
    {28, memory_message_note_4},
    {memory_no_upper_bound, memory_message_no_grade},
}}};
