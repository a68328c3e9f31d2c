// Grading of a count of failed attempts by one grade table.
#include "memory_grade_table.h"

#include "printf_text.h"

std::string MemoryGradeTable::message_for(int failed_attempts) const {
  for (const MemoryGradeBand& band : bands) {
    if (failed_attempts <= band.most_failed) {
      // Every message is a string literal, so data() is zero-terminated.
      return printf_text(band.message.data(), failed_attempts);
    }
  }
  return {};  // unreachable: the last band is open upwards
}
