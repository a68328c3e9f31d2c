// WEvent: a list of handlers bound to one event of one object.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

// Handlers return whether they handled the event. Firing calls the newest handler first and
// stops at the first that returns true. A handler may remove handlers, or even destroy the
// object that owns the event: firing notices and stops.
template <typename... Args>
class WEvent {
 public:
  using Handler = std::function<bool(Args...)>;
  using HandlerId = std::uint64_t;

  WEvent() = default;
  WEvent(const WEvent&) = delete;
  WEvent& operator=(const WEvent&) = delete;

  // Binds `handler`; the id serves to remove it again.
  HandlerId Add(Handler handler) {
    handlers_.emplace_back(next_id_, std::make_shared<Handler>(std::move(handler)));
    return next_id_++;
  }

  // Unbinds the handler with this id; false if it was not bound.
  bool Remove(HandlerId id) {
    const auto before = handlers_.size();
    std::erase_if(handlers_, [id](const auto& entry) { return entry.first == id; });
    return handlers_.size() != before;
  }

  void RemoveAll() { handlers_.clear(); }
  bool IsEmpty() const { return handlers_.empty(); }

  // Calls the handlers, newest first, until one returns true; returns whether one did.
  bool Fire(Args... args) {
    const std::weak_ptr<char> alive = alive_;
    const auto snapshot = handlers_;
    for (auto entry = snapshot.rbegin(); entry != snapshot.rend(); ++entry) {
      if (alive.expired()) return true;      // a handler destroyed this event's owner
      if (!IsBound(entry->first)) continue;  // removed by an earlier handler of this firing
      if ((*entry->second)(args...)) return true;
    }
    return false;
  }

 private:
  bool IsBound(HandlerId id) const {
    for (const auto& entry : handlers_)
      if (entry.first == id) return true;
    return false;
  }

  std::vector<std::pair<HandlerId, std::shared_ptr<Handler>>> handlers_;
  HandlerId next_id_ = 1;
  std::shared_ptr<char> alive_ = std::make_shared<char>();
};

// Where the mouse is, in pixels relative to the object that reports the event.
struct WMouseEvent {
  int x = 0;
  int y = 0;
};
