// A host for unit tests: records what the model shows and answers dialogs
// from queues.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/host.h"
#include "model/print_surface.h"

namespace corvane::testing {

class FakeHost : public Host {
 public:
  struct Message {
    std::string text;
    MessageIcon icon;
  };

  void showMessage(const std::string& text, MessageIcon icon, const std::string&) override {
    messages.push_back({text, icon});
  }
  bool askYesNo(const std::string& text, const std::string&) override {
    questions.push_back(text);
    if (answers.empty()) return false;
    bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
  std::optional<std::string> inputBox(const std::string& prompt, const std::string&,
                                      const std::string& defaultText) override {
    prompts.push_back(prompt + "|" + defaultText);
    if (inputs.empty()) return std::nullopt;
    auto answer = inputs.front();
    inputs.pop_front();
    return answer;
  }
  std::optional<std::string> chooseOpenFile(const std::string& filter) override {
    filters.push_back(filter);
    return nextFile();
  }
  std::optional<std::string> chooseSaveFile(const std::string& filter) override {
    filters.push_back(filter);
    return nextFile();
  }
  std::unique_ptr<PrintSurface> choosePrinter() override {
    if (!printerFactory) return nullptr;
    return printerFactory();
  }
  CalendarDate today() override { return date; }
  ClockTime now() override { return time; }
  void quit() override { quitCalled = true; }
  bool launchSystemInformation() override { return systemInformationAvailable; }
  bool anotherInstanceRunning() override { return otherInstance; }

  std::vector<Message> messages;
  std::vector<std::string> questions;
  std::vector<std::string> prompts;
  std::vector<std::string> filters;
  std::deque<bool> answers;
  std::deque<std::optional<std::string>> inputs;
  std::deque<std::optional<std::string>> files;
  std::function<std::unique_ptr<PrintSurface>()> printerFactory;
  CalendarDate date{2026, 12, 8};
  ClockTime time{9, 30, 0};
  bool quitCalled = false;
  bool systemInformationAvailable = false;
  bool otherInstance = false;

 private:
  std::optional<std::string> nextFile() {
    if (files.empty()) return std::nullopt;
    auto answer = files.front();
    files.pop_front();
    return answer;
  }
};

}  // namespace corvane::testing
