// Tests of the fifteen word lists and their look-up.
#include "word_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace {

struct ListCase {
  int group;
  int level;
  int words;
  std::string_view first;
  std::string_view last;
};

constexpr ListCase list_cases[] = {
    {1, 1, 10, "auto", "laub"},          {1, 2, 15, "mofa", "turm"},
    {1, 3, 15, "lieben", "kalt"},        {2, 1, 10, "auto", "hammel"},
    {2, 2, 15, "wecker", "wurm"},        {2, 3, 15, "warm", "riesig"},
    {3, 1, 10, "tanne", "boot"},         {3, 2, 15, "schiff", "thermometer"},
    {3, 3, 15, "baumwolle", "niesen"},   {4, 1, 10, "rot", "eisbecher"},
    {4, 2, 15, "tuch", "globus"},        {4, 3, 15, "pflegen", "kratzen"},
    {5, 1, 9, "telefon", "warndreieck"}, {5, 2, 14, "eisbrecher", "nest"},
    {5, 3, 15, "windig", "heranziehen"},
};

}  // namespace

TEST(WordLists, EachListHasItsLengthFirstAndLastWord) {
  for (const ListCase& expected : list_cases) {
    SCOPED_TRACE(testing::Message() << "group " << expected.group << " level " << expected.level);
    const auto words = words_of(word_list_text(expected.group, expected.level));
    ASSERT_EQ(words.size(), static_cast<std::size_t>(expected.words));
    EXPECT_EQ(words.front(), expected.first);
    EXPECT_EQ(words.back(), expected.last);
  }
}

TEST(WordLists, EachRowCountsItsWordsWhichAreDistinctNonEmptyAndLowerCase) {
  for (const WordList& list : WordLists) {
    SCOPED_TRACE(testing::Message() << "group " << list.group << " level " << list.level);
    const auto words = words_of(list.text);
    EXPECT_EQ(words.size(), static_cast<std::size_t>(list.word_count));
    EXPECT_EQ(std::set(words.begin(), words.end()).size(), words.size());
    for (const std::string_view word : words) {
      EXPECT_FALSE(word.empty());
      EXPECT_TRUE(std::ranges::none_of(word, [](char c) { return c >= 'A' && c <= 'Z'; })) << word;
      EXPECT_EQ(word.find(' '), std::string_view::npos) << word;
    }
  }
}

TEST(WordLists, UmlautsAndSharpSStandAsWritten) {
  const auto words = words_of(word_list_text(3, 3));
  EXPECT_EQ(words[3], "heiß");
  EXPECT_EQ(words[11], "süß");
  EXPECT_EQ(words_of(word_list_text(2, 1))[8], "schlüssel");
}

TEST(WordLists, NoListOutsideGroupsOneToFiveAndLevelsOneToThree) {
  constexpr std::pair<int, int> missing[] = {{0, 1}, {6, 1}, {1, 0}, {1, 4}, {-1, -1}};
  for (const auto& [group, level] : missing) {
    SCOPED_TRACE(testing::Message() << "group " << group << " level " << level);
    EXPECT_TRUE(word_list_text(group, level).empty());
  }
}

TEST(WordLists, SplittingGivesTheLinesInOrder) {
  EXPECT_TRUE(words_of("").empty());
  EXPECT_EQ(words_of("hof"), (std::vector<std::string_view>{"hof"}));
  EXPECT_EQ(words_of("auto\nvogel\nhof"), (std::vector<std::string_view>{"auto", "vogel", "hof"}));
}
