// VariantHandOff: the one-byte file through which the menu tells an exercise window
// which variant to play.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

class VariantHandOff {
 public:
  // The file "z.txt" in the working directory, unless a test names another.
  explicit VariantHandOff(std::filesystem::path file = "z.txt");

  // Replaces the file by one holding exactly the variant's bytes. The new content appears
  // whole or not at all, and a symbolic link in its place is replaced, never followed.
  // If the file cannot be written, the variant is kept here instead, so that the window
  // about to open still plays what the player chose.
  void write_variant(std::string_view variant);

  // The text the next exercise window plays: the variant kept after a failed write, else
  // the file's bytes unchanged (possibly empty), else none when there is no regular file.
  // Reads at most kMaxRead bytes and never blocks on a pipe or device.
  std::optional<std::string> read_variant() const;

  // Longer texts match no variant anyway.
  static constexpr std::size_t kMaxRead = 4096;

 private:
  bool replace_file(std::string_view content) const;

  std::filesystem::path file_;
  std::optional<std::string> unwritten_variant_;
};
