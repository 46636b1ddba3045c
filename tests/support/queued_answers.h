// The answers a test queues for the dialogs of its host: the oldest answers
// the next dialog, and an empty queue answers as a dismissed dialog does.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/host.h"

namespace corvane::testing {

template <class T>
T takeAnswer(std::deque<T>& queue, T otherwise) {
  if (queue.empty()) return otherwise;
  T value = std::move(queue.front());
  queue.pop_front();
  return value;
}

// A host whose questions and file choosers take the queued answers (none:
// No, cancel), keeping the questions asked and the choosers' filters.
template <class BaseHost>
class QueuedDialogs : public BaseHost {
 public:
  using BaseHost::BaseHost;

  // answers, consumed in order
  std::deque<bool> questions;
  std::deque<Answer> threeWayAnswers;  // Yes/No/Cancel questions
  std::deque<std::optional<std::string>> files;

  // what was asked
  std::vector<std::string> questionsAsked;
  std::vector<std::string> filtersSeen;

  bool askYesNo(const std::string& text, const std::string&) override {
    questionsAsked.push_back(text);
    return takeAnswer(questions, false);
  }
  Answer askYesNoCancel(const std::string& text, const std::string&) override {
    questionsAsked.push_back(text);
    return takeAnswer(threeWayAnswers, Answer::No);
  }
  std::optional<std::string> chooseOpenFile(const std::string& filter) override {
    filtersSeen.push_back(filter);
    return takeAnswer(files, std::optional<std::string>());
  }
  std::optional<std::string> chooseSaveFile(const std::string& filter) override {
    filtersSeen.push_back(filter);
    return takeAnswer(files, std::optional<std::string>());
  }
};

}  // namespace corvane::testing
