// Tests of WTimer: interval limits, restart, stop and ticks driven by the test.
#include "wtimer.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "wtesting.h"

TEST(WTimerTest, RunsWithinTheLimitsOfADesktopWindowTimer) {
  const struct {
    long long requested;
    int runs_at;
  } cases[] = {
      {-5, 10},
      {0, 10},
      {1, 10},
      {9, 10},
      {10, 10},
      {50, 50},
      {1500, 1500},
      {INT_MAX, INT_MAX},
      {static_cast<long long>(INT_MAX) + 1, INT_MAX},
      {LLONG_MAX, INT_MAX},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.requested);
    EXPECT_EQ(WTimer::EffectiveInterval(c.requested), c.runs_at);
    WTimer timer;
    timer.Start(c.requested);
    EXPECT_EQ(timer.Interval(), c.runs_at);
  }
}

TEST(WTimerTest, TicksOnlyWhileRunningAndARestartReplacesTheInterval) {
  WTimer timer;
  int ticks = 0;
  timer.TimerEvent.Add([&] {
    ++ticks;
    return false;
  });

  EXPECT_FALSE(wtesting::Tick(timer));
  timer.Start(1500);
  EXPECT_TRUE(wtesting::Tick(timer));
  timer.Start(50);
  EXPECT_EQ(timer.Interval(), 50);
  EXPECT_TRUE(wtesting::Tick(timer));
  timer.Stop();
  EXPECT_FALSE(timer.IsRunning());
  EXPECT_FALSE(wtesting::Tick(timer));
  EXPECT_EQ(ticks, 2);
}

TEST(WTimerTest, ATickHandlerMayDeleteItsOwnTimer) {
  auto timer = std::make_unique<WTimer>();
  timer->TimerEvent.Add([&] {
    timer.reset();
    return false;
  });
  timer->Start(10);
  WTimer* raw = timer.get();
  EXPECT_TRUE(wtesting::Tick(*raw));
  EXPECT_EQ(timer, nullptr);
}
