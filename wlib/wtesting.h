// Test support: drive timers and message boxes of the real forms from a test.
#pragma once

#include <filesystem>
#include <functional>

#include "wstring.h"

class WTimer;

namespace wtesting {

// From now on timers tick only when a test calls Tick; Start and Stop still record the state.
void UseManualTimers();
// One tick of `timer`, as if its interval had passed; false (and nothing fired) if it is stopped.
bool Tick(WTimer& timer);
// Deletes the windows that were destroyed and are waiting for the event loop to remove them.
void FlushDestroyedWindows();
// When the next message box opens: calls `inspect` with its caption and text, then confirms it.
void ConfirmNextMessage(std::function<void(const WString& caption, const WString& text)> inspect);

// Makes a fresh empty directory the working directory for as long as it lives, as the
// forms write and read their hand-off file there; then goes back and removes it.
class TemporaryWorkingDirectory {
 public:
  TemporaryWorkingDirectory();
  ~TemporaryWorkingDirectory();
  TemporaryWorkingDirectory(const TemporaryWorkingDirectory&) = delete;
  TemporaryWorkingDirectory& operator=(const TemporaryWorkingDirectory&) = delete;
  const std::filesystem::path& path() const { return directory_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path directory_;
};

}  // namespace wtesting
