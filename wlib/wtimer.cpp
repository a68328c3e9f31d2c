// Repeating timers on Qt's event loop, with a manual mode for tests.
#include "wtimer.h"

#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <climits>

#include "wtesting.h"

namespace {
bool manual_timers = false;
}  // namespace

struct WTimer::Impl {
  QPointer<QTimer> timer;  // made at the first start: it needs the GUI application
  bool running = false;
  int interval = 0;
  WString name;
};

// The test driver's way in.
struct WTimerAccess {
  static bool Tick(WTimer& timer) {
    if (!timer.impl_->running) return false;
    timer.TimerEvent.Fire();
    return true;
  }
};

WTimer::WTimer() : impl_(std::make_unique<Impl>()) {}

WTimer::~WTimer() {
  Stop();
  // Removed later: the timer may be deleted by one of its own tick handlers.
  if (impl_->timer) impl_->timer->deleteLater();
}

int WTimer::EffectiveInterval(long long interval_ms) {
  return static_cast<int>(std::clamp<long long>(interval_ms, 10, INT_MAX));
}

bool WTimer::Start(long long interval_ms) {
  impl_->interval = EffectiveInterval(interval_ms);
  impl_->running = true;
  if (manual_timers) return true;
  if (!impl_->timer) {
    impl_->timer = new QTimer();
    QObject::connect(impl_->timer, &QTimer::timeout, impl_->timer, [this] { TimerEvent.Fire(); });
  }
  impl_->timer->start(impl_->interval);
  return true;
}

void WTimer::Stop() {
  impl_->running = false;
  if (impl_->timer) impl_->timer->stop();
}

bool WTimer::IsRunning() const {
  return impl_->running;
}
int WTimer::Interval() const {
  return impl_->interval;
}
void WTimer::SetName(const WString& name) {
  impl_->name = name;
}
const WString& WTimer::GetName() const {
  return impl_->name;
}

namespace wtesting {

void UseManualTimers() {
  manual_timers = true;
}
bool Tick(WTimer& timer) {
  return WTimerAccess::Tick(timer);
}

}  // namespace wtesting
