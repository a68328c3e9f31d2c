// printf-style composition of the game's messages.
#include "printf_text.h"

#include <cstdio>

std::string vprintf_text(const char* format, va_list args) {
  va_list measuring;
  va_copy(measuring, args);
  const int length = std::vsnprintf(nullptr, 0, format, measuring);
  va_end(measuring);
  std::string text;
  if (length > 0) {
    text.resize(static_cast<std::size_t>(length));
    // The buffer of a std::string always has room for the terminating zero.
    std::vsnprintf(text.data(), text.size() + 1, format, args);
  }
  return text;
}

std::string printf_text(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = vprintf_text(format, args);
  va_end(args);
  return text;
}
