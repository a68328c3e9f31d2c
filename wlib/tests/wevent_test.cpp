// Tests of WEvent: order of handlers, stopping, removal, and owners destroyed while firing.
#include "wevent.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

TEST(WEventTest, CallsNewestHandlerFirstAndStopsAtTheFirstThatHandles) {
  WEvent<> event;
  std::string calls;
  event.Add([&] {
    calls += "old ";
    return false;
  });
  event.Add([&] {
    calls += "middle ";
    return true;
  });
  event.Add([&] {
    calls += "new ";
    return false;
  });

  EXPECT_TRUE(event.Fire());
  EXPECT_EQ(calls, "new middle ");
}

TEST(WEventTest, ReportsUnhandledWhenNoHandlerReturnsTrue) {
  WEvent<int> event;
  int sum = 0;
  event.Add([&](int value) {
    sum += value;
    return false;
  });
  event.Add([&](int value) {
    sum += 10 * value;
    return false;
  });

  EXPECT_FALSE(event.Fire(2));
  EXPECT_EQ(sum, 22);
}

TEST(WEventTest, RemovedHandlerIsNotCalledEvenDuringTheSameFiring) {
  WEvent<> event;
  int old_calls = 0;
  const auto old_id = event.Add([&] {
    ++old_calls;
    return false;
  });
  event.Add([&] {
    event.Remove(old_id);
    return false;
  });

  event.Fire();
  event.Fire();
  EXPECT_EQ(old_calls, 0);
  EXPECT_FALSE(event.Remove(old_id));
}

TEST(WEventTest, StopsWhenAHandlerDestroysTheEventsOwner) {
  struct Owner {
    WEvent<> event;
  };
  auto owner = std::make_unique<Owner>();
  bool older_called = false;
  owner->event.Add([&] {
    older_called = true;
    return false;
  });
  owner->event.Add([&] {
    owner.reset();
    return false;
  });

  EXPECT_TRUE(owner->event.Fire());
  EXPECT_FALSE(older_called);
}
