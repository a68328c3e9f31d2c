// The presentation tempo of the word retention exercise: the offered choices and their reading.
#include "word_tempo.h"

#include <locale.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

// The C locale as an object, so the reading ignores the process locale: the GUI toolkit switches
// the process to the user's locale, where a decimal comma would change what "2.9" or "0.5e4" mean.
locale_t c_locale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
  return locale;
}

// The number at the start of `text` as strtod reads it in the C locale; 0 when none begins it.
double leading_number(std::string_view text) {
  const std::string terminated(text);
  const locale_t locale = c_locale();
  // newlocale fails only when memory runs out; the process locale's reading is all that is left.
  return locale ? strtod_l(terminated.c_str(), nullptr, locale)
                : std::strtod(terminated.c_str(), nullptr);
}

// `value` truncated toward zero; values beyond int are clamped so the conversion stays defined.
int truncated_to_int(double value) {
  constexpr double int_max_plus_one = static_cast<double>(std::numeric_limits<int>::max()) + 1.0;
  constexpr double int_min_minus_one = static_cast<double>(std::numeric_limits<int>::min()) - 1.0;
  if (std::isnan(value)) return 0;
  if (value >= int_max_plus_one) return std::numeric_limits<int>::max();
  if (value <= int_min_minus_one) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

}  // namespace

int tempo_ms_from_text(std::string_view text) {
  if (text.empty() || text == tempo_prompt) return default_tempo_ms;
  return truncated_to_int(leading_number(text));
}
