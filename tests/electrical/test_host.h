// A host for the electrical form's tests: queued answers for the dialogs, a
// log of the messages shown, a fixed date, and a recording printer whose
// listing stays readable after the report is done with it.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/host.h"
#include "reports/recording_printer.h"

namespace corvane::testing {

struct ShownMessage {
  std::string text;
  MessageIcon icon;
};

class TestHost : public Host {
 public:
  std::deque<bool> questions;                     // empty: No
  std::deque<std::optional<std::string>> inputs;  // empty: cancel
  std::deque<std::optional<std::string>> files;   // empty: cancel
  bool printerAvailable = true;
  std::vector<ShownMessage> messages;
  std::vector<std::string> questionsAsked;
  std::vector<std::string> inputDefaults;
  std::vector<std::string> filtersSeen;
  std::vector<std::string> printed;  // listing of the last print job
  bool printerAsked = false;

  void showMessage(const std::string& text, MessageIcon icon, const std::string&) override {
    messages.push_back({text, icon});
  }
  bool askYesNo(const std::string& text, const std::string&) override {
    questionsAsked.push_back(text);
    return take(questions, false);
  }
  std::optional<std::string> inputBox(const std::string&, const std::string&,
                                      const std::string& defaultText) override {
    inputDefaults.push_back(defaultText);
    return take(inputs, std::optional<std::string>());
  }
  std::optional<std::string> chooseOpenFile(const std::string& filter) override {
    filtersSeen.push_back(filter);
    return take(files, std::optional<std::string>());
  }
  std::optional<std::string> chooseSaveFile(const std::string& filter) override {
    filtersSeen.push_back(filter);
    return take(files, std::optional<std::string>());
  }
  std::unique_ptr<PrintSurface> choosePrinter() override {
    printerAsked = true;
    if (!printerAvailable) return nullptr;
    return std::make_unique<KeptRecording>(printed);
  }
  CalendarDate today() override { return {2024, 3, 9}; }
  ClockTime now() override { return {10, 0, 0}; }
  void quit() override {}
  bool launchSystemInformation() override { return false; }

 private:
  // hands its listing to the host when the report lets go of it
  class KeptRecording : public RecordingPrinter {
   public:
    explicit KeptRecording(std::vector<std::string>& sink) : sink_(sink) {}
    ~KeptRecording() override { sink_ = lines(); }

   private:
    std::vector<std::string>& sink_;
  };

  template <class T>
  static T take(std::deque<T>& queue, T otherwise) {
    if (queue.empty()) return otherwise;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
  }
};

}  // namespace corvane::testing
