// WString formatting.
#include "wstring.h"

#include <ostream>

#include "printf_text.h"

void PrintTo(const WString& text, std::ostream* out) {
  *out << '"' << text.str() << '"';
}

WString WString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  WString text(vprintf_text(format, args));
  va_end(args);
  return text;
}
