// The host of the model tests: queued answers for the dialogs (an empty queue
// answers No or cancel), a log of what the model showed and asked, a fixed
// clock, counters for the program's end and the information tool, the recent
// designs in memory and a program-data folder of the test's choosing.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/host.h"
#include "model/print_surface.h"
#include "support/queued_answers.h"

namespace corvane::testing {

struct ShownMessage {
  std::string text;
  MessageIcon icon;
};

class FakeHost : public Host {
 public:
  // answers, consumed in order
  std::deque<bool> questions;
  std::deque<Answer> threeWayAnswers;  // Yes/No/Cancel questions
  std::deque<std::optional<std::string>> inputs;
  std::deque<std::optional<std::string>> files;
  // what the printer dialog hands out; none means the dialog was cancelled
  std::function<std::unique_ptr<PrintSurface>()> printerFactory;
  bool printerAvailable = true;
  bool hasSystemInformation = false;
  bool otherCopyRuns = false;
  std::vector<std::string> recent;
  std::string programData;  // "" keeps no recovery copy
  CalendarDate date{2024, 3, 9};
  ClockTime time{10, 0, 0};

  // what happened
  std::vector<ShownMessage> messages;
  std::vector<std::string> questionsAsked;
  std::vector<std::string> inputDefaults;
  std::vector<std::string> filtersSeen;
  bool printerAsked = false;
  int quits = 0;
  int launches = 0;

  std::vector<std::string> messageTexts() const {
    std::vector<std::string> texts;
    for (const ShownMessage& m : messages) texts.push_back(m.text);
    return texts;
  }

  void showMessage(const std::string& text, MessageIcon icon, const std::string&) override {
    messages.push_back({text, icon});
  }
  bool askYesNo(const std::string& text, const std::string&) override {
    questionsAsked.push_back(text);
    return takeAnswer(questions, false);
  }
  Answer askYesNoCancel(const std::string& text, const std::string&) override {
    questionsAsked.push_back(text);
    return takeAnswer(threeWayAnswers, Answer::No);
  }
  std::optional<std::string> inputBox(const std::string&, const std::string&,
                                      const std::string& defaultText) override {
    inputDefaults.push_back(defaultText);
    return takeAnswer(inputs, std::optional<std::string>());
  }
  std::optional<std::string> chooseOpenFile(const std::string& filter) override {
    filtersSeen.push_back(filter);
    return takeAnswer(files, std::optional<std::string>());
  }
  std::optional<std::string> chooseSaveFile(const std::string& filter) override {
    filtersSeen.push_back(filter);
    return takeAnswer(files, std::optional<std::string>());
  }
  std::unique_ptr<PrintSurface> choosePrinter() override {
    printerAsked = true;
    if (!printerAvailable || !printerFactory) return nullptr;
    return printerFactory();
  }
  CalendarDate today() override { return date; }
  ClockTime now() override { return time; }
  void quit() override { ++quits; }
  bool launchSystemInformation() override {
    ++launches;
    return hasSystemInformation;
  }
  bool anotherInstanceRunning() override { return otherCopyRuns; }
  std::vector<std::string> recentDesigns() override { return recent; }
  void storeRecentDesigns(const std::vector<std::string>& paths) override { recent = paths; }
  std::string dataFolder() override { return programData; }
};

}  // namespace corvane::testing
