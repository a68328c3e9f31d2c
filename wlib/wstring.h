// WString (UTF-8 text) and WFilePath, the library's text value types.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

class WString {
 public:
  WString() = default;
  WString(const char* text) : text_(text ? text : "") {}
  WString(std::string text) : text_(std::move(text)) {}
  WString(std::string_view text) : text_(text) {}

  // The text that printf would print.
  [[gnu::format(printf, 1, 2)]] static WString Format(const char* format, ...);

  const char* c_str() const { return text_.c_str(); }
  const std::string& str() const { return text_; }
  std::string_view view() const { return text_; }
  bool IsEmpty() const { return text_.empty(); }

  // Exact, case-sensitive comparison over the whole text.
  friend bool operator==(const WString&, const WString&) = default;
  // Prints the text itself in test failure messages.
  friend void PrintTo(const WString& text, std::ostream* out);

 private:
  std::string text_;
};

// A path in the file system, used as given: a relative path stays relative to the
// working directory.
class WFilePath {
 public:
  WFilePath() = default;
  explicit WFilePath(WString path) : path_(std::move(path)) {}
  const WString& str() const { return path_; }

 private:
  WString path_;
};
