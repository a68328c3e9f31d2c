// printf-style composition of the game's messages, for the rules modules.
#pragma once

#include <cstdarg>
#include <string>

// The text that std::printf would print for `format` and its arguments.
[[gnu::format(printf, 1, 2)]] std::string printf_text(const char* format, ...);

// As printf_text, with the arguments already gathered in `args` (which it consumes).
std::string vprintf_text(const char* format, va_list args);
