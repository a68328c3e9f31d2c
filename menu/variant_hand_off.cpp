// Writing and reading the hand-off file.
#include "variant_hand_off.h"

#include <cstdio>
#include <memory>
#include <system_error>

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// A name beside the target for the new content; "x" makes opening fail rather than
// follow anything already there.
File create_exclusively(const std::filesystem::path& path) {
  return File(std::fopen(path.c_str(), "wbx"));
}

bool write_all(const std::filesystem::path& path, std::string_view content) {
  File file = create_exclusively(path);
  if (!file) {
    // Left over from an interrupted write of ours; start afresh.
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    file = create_exclusively(path);
  }
  if (!file) return false;
  const bool written = std::fwrite(content.data(), 1, content.size(), file.get()) == content.size();
  return std::fclose(file.release()) == 0 && written;
}

}  // namespace

VariantHandOff::VariantHandOff(std::filesystem::path file) : file_(std::move(file)) {}

void VariantHandOff::write_variant(std::string_view variant) {
  if (replace_file(variant)) {
    unwritten_variant_.reset();
  } else {
    unwritten_variant_ = std::string(variant);
  }
}

bool VariantHandOff::replace_file(std::string_view content) const {
  std::filesystem::path temporary = file_;
  temporary += ".new";
  std::error_code error;
  if (write_all(temporary, content)) {
    // A rename replaces the name itself: a symbolic link there is not followed.
    std::filesystem::rename(temporary, file_, error);
    if (!error) return true;
  }
  std::filesystem::remove(temporary, error);
  return false;
}

std::optional<std::string> VariantHandOff::read_variant() const {
  if (unwritten_variant_) return unwritten_variant_;
  // Only a regular file is read: opening a pipe or a device could block or never end.
  std::error_code error;
  if (!std::filesystem::is_regular_file(file_, error)) return std::nullopt;
  File file(std::fopen(file_.c_str(), "rb"));
  if (!file) return std::nullopt;
  std::string text(kMaxRead, '\0');
  text.resize(std::fread(text.data(), 1, text.size(), file.get()));
  return text;
}
