// A host with no screen: message boxes go to a log, every dialog takes its
// answer from a first-in first-out queue of its kind, the clock shows what
// it was set to, and the recent designs live in memory. A dialog that finds
// its queue empty gets what a user closing it would give:
//   question (Yes/No)        -> No
//   question (Yes/No/Cancel) -> No, as a Yes/No question gets
//   input box                -> cancel
//   open or save chooser     -> cancel
//   printer dialog           -> cancel
// It keeps no program data, so it writes no recovery copy. The search's own
// workspaces and a scratch copy of a design run on it with no answers queued;
// the script driver's host fills the queues.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/host.h"

namespace corvane {

class RecordingHost : public Host {
 public:
  struct Message {
    MessageIcon icon = MessageIcon::Information;
    std::string text;
    std::string title;
  };

  explicit RecordingHost(CalendarDate today = {}, ClockTime now = {}) : today_(today), now_(now) {}

  // --- answers for the next dialogs
  void queueQuestion(Answer answer) { questions_.push_back(answer); }
  void queueInput(std::optional<std::string> text) { inputs_.push_back(std::move(text)); }
  void queueFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }

  // --- what the run showed
  const std::vector<Message>& messages() const { return messages_; }
  // The texts of the messages shown since the last call, oldest first; the
  // log is empty afterwards.
  std::vector<std::string> takeMessages();
  bool quitRequested() const { return quit_; }

  void setToday(CalendarDate date) { today_ = date; }
  void setNow(ClockTime time) { now_ = time; }

  // Host
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
  void quit() override { quit_ = true; }
  // No system-information tool without a desktop.
  bool launchSystemInformation() override { return false; }
  std::vector<std::string> recentDesigns() override { return recent_; }
  void storeRecentDesigns(const std::vector<std::string>& paths) override { recent_ = paths; }
  std::string dataFolder() override { return {}; }

 protected:
  // Answers given but never asked for, over the queues of this class.
  size_t unusedQueuedAnswers() const;
  // A question's, prompt's or message's text as the host shows it.
  virtual std::string shown(const std::string& text) const { return text; }
  // One line for each dialog answered.
  virtual void note(const std::string&) const {}

  std::vector<std::string> recent_;

 private:
  std::optional<std::string> nextFile(const char* chooser, const std::string& filter);
  Answer nextAnswer(const std::string& question);

  std::deque<Answer> questions_;
  std::deque<std::optional<std::string>> inputs_;
  std::deque<std::optional<std::string>> files_;
  std::vector<Message> messages_;
  CalendarDate today_;
  ClockTime now_;
  bool quit_ = false;
};

}  // namespace corvane
