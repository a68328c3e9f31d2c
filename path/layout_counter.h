// The fast-cycling counter whose value at the press on Start picks the cell arrangement.
#pragma once

class LayoutCounter {
 public:
  // Back to 0, the value before the first step.
  void reset() { value_ = 0; }

  // One step of the cycle 1, 2, 3, 4, 1, ...
  void advance();

  // The current value, 0 .. 4.
  int value() const { return value_; }

 private:
  int value_ = 0;
};
