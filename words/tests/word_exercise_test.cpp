// Tests of the word retention round: variant, list choice, presentation, judging and texts.
#include "word_exercise.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// An exercise with variant `variant` whose round on group `group` has shown every word.
class PresentedRound : public testing::Test {
 protected:
  void present(std::string_view variant, int group) {
    exercise_.select_variant(variant);
    exercise_.start_round(group, "500");
    while (const auto word = exercise_.next_word()) shown_.emplace_back(*word);
  }

  EntryJudgement enter(std::string_view entry) { return exercise_.judge_entry(entry); }

  WordExercise exercise_;
  std::vector<std::string> shown_;
};

constexpr EntryJudgement right{EntryResult::right, false};
constexpr EntryJudgement wrong{EntryResult::wrong, false};
constexpr EntryJudgement ignored{EntryResult::ignored, false};

}  // namespace

TEST(WordExerciseVariant, KnownTextsGiveTheirHeadings) {
  struct Case {
    std::string_view text, title, subtitle;
  };
  constexpr Case cases[] = {
      {"1", "Merkfähigkeitsübung 1", "10 Wörter- Bewertung nach Korrektheit"},
      {"2", "Merkfähigkeitsübung 2", "15 Wörter- Bewertung nach Korrektheit"},
      {"3", "Merkfähigkeitsübung 3", "15 schwierige Wörter- Bewertung nach Korrektheit"},
  };
  for (const Case& expected : cases) {
    SCOPED_TRACE(expected.text);
    WordExercise exercise;
    const auto headings = exercise.select_variant(expected.text);
    ASSERT_TRUE(headings.has_value());
    EXPECT_EQ(headings->title, expected.title);
    EXPECT_EQ(headings->subtitle, expected.subtitle);
  }
}

TEST(WordExerciseVariant, OtherTextsGiveNoneButAreStored) {
  for (const std::string_view text : {"", "0", "4", " 1", "1 ", "11", "\n"}) {
    SCOPED_TRACE(testing::Message() << '"' << text << '"');
    WordExercise exercise;
    EXPECT_FALSE(exercise.select_variant(text).has_value());
    EXPECT_EQ(exercise.variant_text(), text);
  }
}

TEST(WordExerciseStart, ChoosesTheListOfTheGroupAtTheVariantsLevel) {
  WordExercise exercise;
  exercise.select_variant("3");
  exercise.start_round(4, "Tempo");
  EXPECT_TRUE(exercise.list().starts_with("pflegen\nhamburg\neuropa\n")) << exercise.list();
  EXPECT_TRUE(exercise.list().ends_with("\nfauchen\nkratzen")) << exercise.list();
  EXPECT_EQ(exercise.next_word(), "pflegen");
  exercise.select_variant("1");
  exercise.start_round(5, "Tempo");
  EXPECT_TRUE(exercise.list().starts_with("telefon\nsirene\n")) << exercise.list();
  EXPECT_EQ(exercise.shown(), 0);
}

TEST(WordExerciseStart, ChoosesNoListWithoutGroupOrLevel) {
  struct Case {
    const char* name;
    std::optional<std::string_view> variant;
    int group;
  };
  const Case cases[] = {
      {"no variant yet", std::nullopt, 1},
      {"counter still 0", "1", 0},
      {"unknown variant", "4", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WordExercise exercise;
    if (c.variant) exercise.select_variant(*c.variant);
    exercise.start_round(c.group, "1000");
    EXPECT_TRUE(exercise.list().empty());
    EXPECT_FALSE(exercise.next_word().has_value());
    EXPECT_EQ(exercise.shown(), 0);
  }
}

TEST(WordExerciseStart, SetsTheTempoFromTheDropDownText) {
  WordExercise exercise;
  exercise.select_variant("1");
  exercise.start_round(1, "1000");
  EXPECT_EQ(exercise.tempo_ms(), 1000);
  exercise.start_round(1, "Tempo");
  EXPECT_EQ(exercise.tempo_ms(), 5000);
}

TEST_F(PresentedRound, PresentsTheWordsInOrderThenKeepsReportingTheEnd) {
  present("1", 1);
  EXPECT_EQ(shown_, (std::vector<std::string>{"auto", "vogel", "sicherung", "hof", "fahrrad",
                                              "baum", "hund", "stempel", "balkon", "laub"}));
  EXPECT_EQ(exercise_.shown(), 10);
  EXPECT_FALSE(exercise_.next_word().has_value());
  EXPECT_EQ(exercise_.shown(), 10);
}

TEST_F(PresentedRound, JudgesEachEntryExactlyAsTyped) {
  present("1", 1);
  struct Case {
    std::string_view entry;
    EntryJudgement expected;
  };
  constexpr Case cases[] = {
      {"auto", right},       // shown, first time
      {"auto", ignored},     // already named
      {"auto ", wrong},      // a trailing blank is not trimmed
      {"Auto", wrong},       // case counts
      {"sonne", wrong},      // a word of another list
      {"", ignored},         // nothing typed
      {"vogel hof", wrong},  // two words are one entry
      {"vogel", right},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.entry << '"');
    EXPECT_EQ(enter(c.entry), c.expected);
  }
  EXPECT_EQ(exercise_.right(), 2);
  EXPECT_EQ(exercise_.wrong(), 4);
  EXPECT_EQ(exercise_.named(), (std::vector<std::string_view>{"auto", "vogel"}));
  EXPECT_EQ(exercise_.score_text(), "Richtig 2  Falsch 4");
}

TEST_F(PresentedRound, UmlautsAreNotFolded) {
  present("1", 2);
  EXPECT_EQ(enter("schlussel").result, EntryResult::wrong);
  EXPECT_EQ(enter("schlüssel").result, EntryResult::right);
}

TEST_F(PresentedRound, ARepeatedWordLeavesTheScoreAsItWas) {
  present("2", 3);
  enter("schiff");
  const std::string score = exercise_.score_text();
  EXPECT_EQ(enter("schiff"), ignored);
  EXPECT_EQ(exercise_.score_text(), score);
  EXPECT_EQ(score, "Richtig 1  Falsch 0");
}

TEST_F(PresentedRound, NamingAllNineWordsOfGroupFiveLevelOneEndsTheRound) {
  present("1", 5);
  ASSERT_EQ(shown_.size(), 9u);
  for (std::size_t i = 0; i + 1 < shown_.size(); ++i) EXPECT_EQ(enter(shown_[i]), right);
  EXPECT_EQ(enter(shown_.back()), (EntryJudgement{EntryResult::right, true}));
  EXPECT_TRUE(exercise_.round_over());
  EXPECT_EQ(exercise_.result_text(),
            "Du hast 9 Objekte von 9 gewusst.\nDu hast 0 falsche Eingaben gemacht.");
}

TEST_F(PresentedRound, GroupFiveLevelTwoShowsFourteenWords) {
  present("2", 5);
  EXPECT_EQ(exercise_.shown(), 14);
  EXPECT_EQ(shown_.back(), "nest");
}

TEST_F(PresentedRound, TenWrongEntriesEndARoundOfTenWords) {
  present("1", 1);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(enter("sonne"), wrong);
  EXPECT_EQ(enter("sonne"), (EntryJudgement{EntryResult::wrong, true}));
  EXPECT_EQ(exercise_.result_text(),
            "Du hast 0 Objekte von 10 gewusst.\nDu hast 10 falsche Eingaben gemacht.");
}

TEST_F(PresentedRound, MixedEntriesEndTheRoundWhenRightPlusWrongReachesTheWordsShown) {
  present("3", 2);  // 15 words
  for (int i = 0; i < 7; ++i) enter(shown_[i]);
  for (int i = 0; i < 7; ++i) enter("x");
  EXPECT_EQ(enter(""), ignored);  // an empty entry does not bring the end nearer
  EXPECT_EQ(enter(shown_[0]), ignored);
  EXPECT_FALSE(exercise_.round_over());
  EXPECT_EQ(enter("x"), (EntryJudgement{EntryResult::wrong, true}));
  EXPECT_EQ(exercise_.result_text(),
            "Du hast 7 Objekte von 15 gewusst.\nDu hast 8 falsche Eingaben gemacht.");
}

TEST_F(PresentedRound, EntriesAfterTheRoundIsOverChangeNothing) {
  present("1", 5);
  for (const std::string& word : shown_) enter(word);
  ASSERT_TRUE(exercise_.round_over());
  const std::string result = exercise_.result_text();
  for (const std::string_view entry : {"x", "telefon", ""}) {
    SCOPED_TRACE(testing::Message() << '"' << entry << '"');
    EXPECT_EQ(enter(entry), (EntryJudgement{EntryResult::ignored, true}));
  }
  EXPECT_EQ(exercise_.right(), 9);
  EXPECT_EQ(exercise_.wrong(), 0);
  EXPECT_EQ(exercise_.result_text(), result);
  EXPECT_EQ(exercise_.score_text(), "Richtig 9  Falsch 0");
}

TEST(WordExerciseRound, WithoutAListTheFirstEntryEndsTheRound) {
  for (const auto& [entry, expected] : {std::pair{std::string_view{""}, EntryResult::ignored},
                                        std::pair{std::string_view{"auto"}, EntryResult::wrong}}) {
    SCOPED_TRACE(testing::Message() << '"' << entry << '"');
    WordExercise exercise;
    exercise.select_variant("1");
    exercise.start_round(0, "Tempo");
    EXPECT_FALSE(exercise.next_word().has_value());
    EXPECT_EQ(exercise.judge_entry(entry), (EntryJudgement{expected, true}));
  }
}

TEST_F(PresentedRound, ANewRoundClearsTheCounts) {
  present("1", 1);
  enter("auto");
  enter("x");
  exercise_.start_round(1, "500");
  EXPECT_EQ(exercise_.shown(), 0);
  EXPECT_EQ(exercise_.right(), 0);
  EXPECT_EQ(exercise_.wrong(), 0);
  EXPECT_TRUE(exercise_.named().empty());
  EXPECT_FALSE(exercise_.round_over());
  EXPECT_EQ(exercise_.score_text(), "Richtig 0  Falsch 0");
}
