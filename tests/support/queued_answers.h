// The answers a test queues for the dialogs of its host: the oldest answers
// the next dialog, and an empty queue answers as a dismissed dialog does.
#pragma once

#include <deque>
#include <utility>

namespace corvane::testing {

template <class T>
T takeAnswer(std::deque<T>& queue, T otherwise) {
  if (queue.empty()) return otherwise;
  T value = std::move(queue.front());
  queue.pop_front();
  return value;
}

}  // namespace corvane::testing
