// Tests of the tempo choices and of reading the tempo drop-down's text, in the C and German
// locales.
#include "word_tempo.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

constexpr int int_max = std::numeric_limits<int>::max();
constexpr int int_min = std::numeric_limits<int>::min();

struct TempoCase {
  std::string_view text;
  int expected_ms;
};

constexpr TempoCase tempo_cases[] = {
    {"", 5000},
    {"Tempo", 5000},
    {"tempo", 0},  // only the exact prompt means "not chosen"
    {" Tempo", 0},
    {"1000", 1000},
    {"2.9", 2},  // truncated, not rounded
    {"-2.9", -2},
    {"0.5e4", 5000},  // a decimal point, whatever the process locale
    {"1.5e3ms", 1500},
    {"2,5e3", 2},  // a comma ends the number
    {"  \t700", 700},
    {"+300", 300},
    {"42abc", 42},
    {"1e", 1},
    {"0x10", 16},
    {"abc", 0},
    {"-", 0},
    {".", 0},
    {"2147483647.9", int_max},
    {"2147483648", int_max},
    {"-2147483648.9", int_min},
    {"-2147483649", int_min},
    {"1e30", int_max},
    {"-1e30", int_min},
    {"inf", int_max},
    {"-infinity", int_min},
    {"nan", 0},
    {"-nan", 0},
    {"1e-400", 0},
};

void expect_tempo_cases() {
  for (const TempoCase& c : tempo_cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.text << '"');
    EXPECT_EQ(tempo_ms_from_text(c.text), c.expected_ms);
  }
}

// Switches the process to the German locale, as the GUI toolkit does, and back to "C" after.
class GermanLocale : public testing::Test {
 protected:
  void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

}  // namespace

TEST(WordTempo, ReadsTheTextInTheCLocale) {
  expect_tempo_cases();
}

TEST_F(GermanLocale, ReadsTheTextAsInTheCLocale) {
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "the German locale is not installed";
  // The process locale really reads a decimal comma now, so the cases below prove the point.
  ASSERT_EQ(std::strtod("0,5", nullptr), 0.5);
  expect_tempo_cases();
}

TEST(WordTempo, EachChoiceReadsAsItsInterval) {
  constexpr int intervals[] = {500, 1000, 2000, 5000, 7000, 8000};
  ASSERT_EQ(std::size(intervals), tempo_choices.size());
  for (std::size_t i = 0; i < tempo_choices.size(); ++i) {
    SCOPED_TRACE(tempo_choices[i]);
    EXPECT_EQ(tempo_ms_from_text(tempo_choices[i]), intervals[i]);
  }
  EXPECT_EQ(tempo_ms_from_text(tempo_prompt), default_tempo_ms);
}
