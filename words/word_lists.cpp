// Look-up and splitting of the word lists of the word retention exercise.
#include "word_lists.h"

#include <algorithm>

std::string_view word_list_text(int group, int level) {
  const auto row = std::ranges::find_if(
      WordLists, [&](const WordList& list) { return list.group == group && list.level == level; });
  return row == WordLists.end() ? std::string_view{} : row->text;
}

std::vector<std::string_view> words_of(std::string_view list_text) {
  std::vector<std::string_view> words;
  if (list_text.empty()) return words;
  for (;;) {
    const auto line_end = list_text.find('\n');
    words.push_back(list_text.substr(0, line_end));
    if (line_end == std::string_view::npos) return words;
    list_text.remove_prefix(line_end + 1);
  }
}
