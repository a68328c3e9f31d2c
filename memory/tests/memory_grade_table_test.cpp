// Tests of the two grade tables: every band edge and the full messages.
#include "memory_grade_table.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

struct GradeCase {
  const MemoryGradeTable* table;
  char table_name;
  int failed_attempts;
  std::string_view last_line;
};

constexpr GradeCase band_edges[] = {
    {&memory_grade_table_a, 'A', 0, "Note 1"},
    {&memory_grade_table_a, 'A', 10, "Note 1"},
    {&memory_grade_table_a, 'A', 11, "Note 2"},
    {&memory_grade_table_a, 'A', 15, "Note 2"},
    {&memory_grade_table_a, 'A', 16, "Note 3"},
    {&memory_grade_table_a, 'A', 20, "Note 3"},
    {&memory_grade_table_a, 'A', 21, "Note 4"},
    {&memory_grade_table_a, 'A', 25, "Note 4"},
    {&memory_grade_table_a, 'A', 26, "Ohne Bewertung"},
    {&memory_grade_table_a, 'A', 500, "Ohne Bewertung"},
    {&memory_grade_table_b, 'B', 0, "Note 1"},
    {&memory_grade_table_b, 'B', 13, "Note 1"},
    {&memory_grade_table_b, 'B', 14, "Note 2"},
    {&memory_grade_table_b, 'B', 18, "Note 2"},
    {&memory_grade_table_b, 'B', 19, "Note 3"},
    {&memory_grade_table_b, 'B', 23, "Note 3"},
    {&memory_grade_table_b, 'B', 24, "Note 4"},
    {&memory_grade_table_b, 'B', 28, "Note 4"},
    {&memory_grade_table_b, 'B', 29, "Ohne Bewertung"},
    {&memory_grade_table_b, 'B', 500, "Ohne Bewertung"},
};

}  // namespace

TEST(MemoryGradeTableTest, EachBandEdgeGivesItsGradeAndTheCount) {
  for (const GradeCase& grade : band_edges) {
    SCOPED_TRACE(testing::Message() << "table " << grade.table_name << ", " << grade.failed_attempts
                                    << " failed attempts");
    const std::string message = grade.table->message_for(grade.failed_attempts);
    EXPECT_TRUE(message.ends_with("\n" + std::string(grade.last_line))) << message;
    EXPECT_NE(
        message.find("\nDu hattest " + std::to_string(grade.failed_attempts) + " Fehlversuche.\n"),
        std::string::npos)
        << message;
  }
}

TEST(MemoryGradeTableTest, MessagesReadAsWrittenWithTheCountInDecimal) {
  struct FullCase {
    const MemoryGradeTable* table;
    int failed_attempts;
    std::string_view message;
  };
  constexpr FullCase cases[] = {
      {&memory_grade_table_a, 0,
       "Gratulation:\nDu hattest 0 Fehlversuche.\nDas ist ein sehr gutes Ergebnis.\nNote 1"},
      {&memory_grade_table_b, 0,
       "Gratulation:\nDu hattest 0 Fehlversuche.\nDas ist ein sehr gutes Ergebnis.\nNote 1"},
      {&memory_grade_table_b, 14,
       "Gratulation:\nDu hattest 14 Fehlversuche.\nDas ist ein gutes Ergebnis.\nNote 2"},
      {&memory_grade_table_a, 16,
       "Gratulation du hast es geschafft:\nDu hattest 16 Fehlversuche.\nDas ist ein "
       "durchschnittliches Ergebnis.\nImmer fleißig weiter üben.\nNote 3"},
      {&memory_grade_table_b, 28,
       "Gratulation du hast es geschafft:\nDu hattest 28 Fehlversuche.\nDas ist ein "
       "durchschnittliches Ergebnis.\nImmer fleißig weiter üben.\nNote 4"},
      {&memory_grade_table_a, 123,
       "Gratulation du hast es geschafft:\nDu hattest 123 Fehlversuche.\nDas ist noch ein "
       "schlechtes Ergebnis.\nImmer fleißig weiter üben, es wird schon besser.\nOhne Bewertung"},
  };
  for (const FullCase& grade : cases) {
    SCOPED_TRACE(grade.failed_attempts);
    EXPECT_EQ(grade.table->message_for(grade.failed_attempts), grade.message);
  }
}
