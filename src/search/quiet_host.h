// The host of a search's own workspaces: nothing reaches the screen. It keeps
// the messages the forms show (the runs' verdicts), answers every question
// No and every dialog with cancel, keeps no settings and no recovery copy,
// and tells the date the search started on.
#pragma once

#include <string>
#include <vector>

#include "model/host.h"

namespace corvane::search {

class QuietHost : public Host {
 public:
  explicit QuietHost(CalendarDate today = {}, ClockTime now = {}) : today_(today), now_(now) {}

  // The messages shown since the last call, oldest first.
  std::vector<std::string> takeMessages();

  void showMessage(const std::string& text, MessageIcon icon, const std::string& title) override;
  bool askYesNo(const std::string& text, const std::string& title) override;
  Answer askYesNoCancel(const std::string& text, const std::string& title) override;
  std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText) override;
  std::optional<std::string> chooseOpenFile(const std::string& filter) override;
  std::optional<std::string> chooseSaveFile(const std::string& filter) override;
  std::unique_ptr<PrintSurface> choosePrinter() override;
  CalendarDate today() override { return today_; }
  ClockTime now() override { return now_; }
  void quit() override {}
  bool launchSystemInformation() override { return false; }
  std::vector<std::string> recentDesigns() override { return {}; }
  void storeRecentDesigns(const std::vector<std::string>&) override {}
  std::string dataFolder() override { return {}; }

 private:
  CalendarDate today_;
  ClockTime now_;
  std::vector<std::string> messages_;
};

}  // namespace corvane::search
