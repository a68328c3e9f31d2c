// printf-style composition of the game's messages, for the rules modules.
#pragma once

#include <string>

// The text that std::printf would print for `format` and its arguments.
[[gnu::format(printf, 1, 2)]] std::string printf_text(const char* format, ...);
