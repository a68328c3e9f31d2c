// The fast-cycling counter whose value at Start chooses the group of the word list.
#pragma once

// Runs 1, 2, 3, 4, 5, 1, ... one step per tick; 0 after a reset, before its first step.
class GroupCounter {
 public:
  // Back to 0, as the window does at each opening.
  void reset() { value_ = 0; }

  // One step: anything above 4 becomes 1, otherwise the value grows by 1.
  void advance();

  // The current value, 0 .. 5.
  int value() const { return value_; }

 private:
  int value_ = 0;
};
