// A minimal observer list, so views can follow model objects without the
// model knowing any GUI toolkit.
#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace corvane {

template <class... Args>
class Signal {
 public:
  using Slot = std::function<void(Args...)>;

  int connect(Slot slot) {
    slots_.push_back({++lastId_, std::move(slot)});
    return lastId_;
  }
  void disconnect(int id) {
    for (auto& entry : slots_)
      if (entry.first == id) entry.second = nullptr;
  }
  void emit(Args... args) const {
    // index loop: a slot may connect another while we walk
    for (size_t i = 0; i < slots_.size(); ++i)
      if (slots_[i].second) slots_[i].second(args...);
  }

 private:
  std::vector<std::pair<int, Slot>> slots_;
  int lastId_ = 0;
};

}  // namespace corvane
