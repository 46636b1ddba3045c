// Runs an action when the scope it guards ends, however it ends: a return, a
// recalculation that stops (RecalcAbort), a programming error passing
// through. Nesting counts and flags that live for one event or one reaction
// are put back with it.
#pragma once

#include <utility>

namespace corvane {

template <class Action>
class ScopeExit {
 public:
  explicit ScopeExit(Action action) : action_(std::move(action)) {}
  ~ScopeExit() { action_(); }
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;

 private:
  Action action_;
};

}  // namespace corvane
