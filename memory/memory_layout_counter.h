// The fast-cycling counter whose value at Start chooses the card arrangement.
#pragma once

// Runs 1, 2, 3, 4, 5, 6, 1, ... one step per tick; 0 only before its first step.
class MemoryLayoutCounter {
 public:
  // One step: after 6 (or anything above 5) comes 1, otherwise the value grows by 1.
  void advance();

  // The current value, 0 .. 6.
  int value() const { return value_; }

 private:
  int value_ = 0;  // never reset: it keeps cycling across openings of the window
};
