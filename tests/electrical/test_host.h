// The electrical form's test host: the common fake host whose printer dialog
// hands out a recording printer, with the listing of the last print job kept
// readable after the report is done with it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "reports/recording_printer.h"
#include "support/fake_host.h"

namespace corvane::testing {

class TestHost : public FakeHost {
 public:
  TestHost() {
    printerFactory = [this] { return std::make_unique<KeptRecording>(printed); };
  }
  std::vector<std::string> printed;  // listing of the last print job

  // Whether the last job printed `line`; how many of its lines start with `prefix`.
  bool hasPrinted(const std::string& line) const {
    return std::find(printed.begin(), printed.end(), line) != printed.end();
  }
  size_t countPrinted(const std::string& prefix) const {
    return std::count_if(printed.begin(), printed.end(),
                         [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
  }

  // What a cancelled printer dialog leaves: the dialog was asked for, and
  // nothing was printed or said.
  ::testing::AssertionResult printCancelledSilently() const {
    if (!printerAsked) return ::testing::AssertionFailure() << "no printer dialog was asked for";
    if (!printed.empty())
      return ::testing::AssertionFailure() << printed.size() << " lines were printed";
    if (!messages.empty())
      return ::testing::AssertionFailure() << "a message was shown: " << messages.front().text;
    return ::testing::AssertionSuccess();
  }

 private:
  class KeptRecording : public RecordingPrinter {
   public:
    explicit KeptRecording(std::vector<std::string>& sink) : sink_(sink) {}
    ~KeptRecording() override { sink_ = lines(); }

   private:
    std::vector<std::string>& sink_;
  };
};

}  // namespace corvane::testing
