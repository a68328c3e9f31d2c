// WTimer: a repeating timer whose ticks arrive as events on the GUI thread.
#pragma once

#include <memory>

#include "wevent.h"
#include "wstring.h"

class WTimer {
 public:
  WTimer();
  // A deleted timer is stopped.
  ~WTimer();
  WTimer(const WTimer&) = delete;
  WTimer& operator=(const WTimer&) = delete;

  WEvent<> TimerEvent;

  // Starts ticking every `interval_ms`, or restarts with the new interval if running.
  // Like a desktop window timer it runs at 10 ms when asked for less (0 and negative
  // included) and at 2^31-1 ms when asked for more. Returns true.
  bool Start(long long interval_ms);
  void Stop();
  bool IsRunning() const;
  // The interval it runs at, after the limits above; 0 before the first start.
  int Interval() const;
  void SetName(const WString& name);
  const WString& GetName() const;

  // The interval a request of `interval_ms` runs at.
  static int EffectiveInterval(long long interval_ms);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  friend struct WTimerAccess;
};
