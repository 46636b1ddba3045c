// A host for the app-form tests: records messages and program ends, answers
// the instance check and the system-information launch as told.
#pragma once

#include <string>
#include <vector>

#include "model/host.h"
#include "model/print_surface.h"

namespace corvane::testing {

class FakeHost : public Host {
 public:
  void showMessage(const std::string& text, MessageIcon, const std::string&) override {
    messages.push_back(text);
  }
  bool askYesNo(const std::string&, const std::string&) override { return false; }
  std::optional<std::string> inputBox(const std::string&, const std::string&,
                                      const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> chooseOpenFile(const std::string&) override { return std::nullopt; }
  std::optional<std::string> chooseSaveFile(const std::string&) override { return std::nullopt; }
  std::unique_ptr<PrintSurface> choosePrinter() override { return nullptr; }
  CalendarDate today() override { return date; }
  ClockTime now() override { return {}; }
  void quit() override { ++quits; }
  bool launchSystemInformation() override {
    ++launches;
    return hasSystemInformation;
  }
  bool anotherInstanceRunning() override { return otherCopyRuns; }

  std::vector<std::string> messages;
  int quits = 0;
  int launches = 0;
  bool hasSystemInformation = false;
  bool otherCopyRuns = false;
  CalendarDate date{2024, 3, 5};
};

}  // namespace corvane::testing
