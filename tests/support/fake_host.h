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

class FakeHost : public QueuedDialogs<Host> {
 public:
  // answers to input boxes, consumed in order
  std::deque<std::optional<std::string>> inputs;
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
  std::vector<std::string> inputDefaults;
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
  std::optional<std::string> inputBox(const std::string&, const std::string&,
                                      const std::string& defaultText) override {
    inputDefaults.push_back(defaultText);
    return takeAnswer(inputs, std::optional<std::string>());
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
