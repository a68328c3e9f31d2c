// The six variants of the number and letter path: headings, cells and tables.
#pragma once

#include <array>
#include <optional>
#include <string_view>

// Letter of a grading table or of a layout group.
enum class PathGroup { A, B, C, D };

// What the cells of a variant carry: the numbers 1 .. N or the letters A .. the N-th letter.
enum class PathCellKind { numbers, letters };

// One variant, as chosen by the menu's hand-off text.
struct PathVariant {
  std::string_view number;  // hand-off text, compared exactly
  std::string_view title;
  std::string_view subtitle;
  int cells;  // N: cells 1 .. N take part in a round
  PathCellKind kind;
  int last_cell;  // the press on this cell ends the round
  PathGroup grading;
  PathGroup layout_group;
};

// Every cell there is; a variant uses cells 1 .. N of them.
inline constexpr int path_cell_count = 28;

// Cells shown in a round when no variant is selected.
inline constexpr int path_default_cells = 15;

// The subtitle of variant "1" has two blanks before the slash on purpose: it is the shown text.
inline constexpr std::array<PathVariant, 6> path_variants{{
    // number, title, subtitle, N, cell kind, last cell, grading table, layout group
    {"1", "Zahlenstraße 1", "Zahlen bis 15  /Schnelligkeit zählt", 15, PathCellKind::numbers, 15,
     PathGroup::A, PathGroup::A},
    {"2", "Buchstabenstraße 1", "15 Buchstaben", 15, PathCellKind::letters, 15, PathGroup::A,
     PathGroup::A},
    {"3", "Zahlenstraße 2", "Zahlen bis 20", 20, PathCellKind::numbers, 20, PathGroup::B,
     PathGroup::B},
    {"4", "Buchstabenstraße 2", "20 Buchstaben", 20, PathCellKind::letters, 20, PathGroup::B,
     PathGroup::B},
    {"5", "Zahlenstraße 3", "Zahlen bis 28", 28, PathCellKind::numbers, 28, PathGroup::C,
     PathGroup::C},
    {"6", "Buchstabenstraße 3", "26 Buchstaben", 26, PathCellKind::letters, 26, PathGroup::D,
     PathGroup::D},
}};

// The variant whose number equals `text` exactly, or none.
constexpr std::optional<PathVariant> find_path_variant(std::string_view text) {
  for (const PathVariant& variant : path_variants) {
    if (variant.number == text) return variant;
  }
  return std::nullopt;
}
