// The host of a scripted run: dialogs take their answers from queues the
// script fills (`answer`, `input`, `file`, `printer`), message boxes go to a
// log the script prints and checks, and the clock shows what the script set.
//
// Each kind of dialog has its own first-in first-out queue. A dialog that
// finds its queue empty gets what a user closing it would give:
//   question (Yes/No)     -> No
//   question (Yes/No/Cancel) -> No, as a Yes/No question gets
//   input box             -> cancel
//   open or save chooser  -> cancel
//   printer dialog        -> cancel
// A Yes/No question answered `cancel` gets No.
//
// The user's settings (the recent designs) live in memory, or in a file the
// script names (one path a line, UTF-8). A scripted run keeps no program
// data, so it writes no recovery copy.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/host.h"
#include "model/translator.h"

namespace corvane {

class ScriptedHost : public Host {
 public:
  struct Message {
    MessageIcon icon = MessageIcon::Information;
    std::string text;
    std::string title;
  };

  struct PrinterAnswer {
    enum class Kind { Cancel, Record, Pdf };
    Kind kind = Kind::Cancel;
    std::string path;
  };

  using PdfFactory = std::function<std::unique_ptr<PrintSurface>(const std::string& path)>;
  // Receives one line for each dialog answered and each problem met, for a
  // diagnostic stream; may be empty.
  using Note = std::function<void(const std::string& line)>;

  // The clock starts at the system's date and time.
  ScriptedHost();

  void setPdfFactory(PdfFactory factory) { pdfFactory_ = std::move(factory); }
  // The language messages are recorded and reports printed in; nullptr for
  // the program's own Chinese texts.
  void setTranslator(const Translator* translator) { translator_ = translator; }
  void setNote(Note note) { note_ = std::move(note); }

  // --- answers for the next dialogs
  void queueQuestion(Answer answer) { questions_.push_back(answer); }
  void queueInput(std::optional<std::string> text) { inputs_.push_back(std::move(text)); }
  void queueFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
  void queuePrinter(PrinterAnswer answer) { printers_.push_back(std::move(answer)); }
  // Answers given but never asked for, over all queues.
  size_t unusedAnswers() const;

  // --- what the run showed
  const std::vector<Message>& messages() const { return messages_; }
  // The oldest message box not yet checked, nullptr when all are.
  const Message* nextUncheckedMessage() const;
  void markMessageChecked() { ++checkedMessages_; }
  bool quitRequested() const { return quit_; }
  // Problems met inside a dialog (a recording that could not be written),
  // taken once.
  std::vector<std::string> takeErrors();

  // --- the clock and the platform
  void setToday(CalendarDate date) { today_ = date; }
  void setNow(ClockTime time) { now_ = time; }
  void setAnotherInstance(bool running) { anotherInstance_ = running; }
  // Keeps the recent designs in this file from now on; they are read from
  // it at once (a missing file holds none).
  void useSettingsFile(const std::string& path);

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
  // A scripted run has no system-information tool.
  bool launchSystemInformation() override { return false; }
  bool anotherInstanceRunning() override { return anotherInstance_; }
  std::vector<std::string> recentDesigns() override { return recent_; }
  void storeRecentDesigns(const std::vector<std::string>& paths) override;
  std::string dataFolder() override { return {}; }

 private:
  std::optional<std::string> nextFile(const char* chooser, const std::string& filter);
  Answer nextAnswer(const std::string& question);
  // A question's or prompt's text in the host's language.
  std::string shown(const std::string& text) const;
  // A page that prints in the host's language.
  std::unique_ptr<PrintSurface> speaking(std::unique_ptr<PrintSurface> page) const;
  void note(const std::string& line) const {
    if (note_) note_(line);
  }

  PdfFactory pdfFactory_;
  Note note_;
  const Translator* translator_ = nullptr;
  std::deque<Answer> questions_;
  std::deque<std::optional<std::string>> inputs_;
  std::deque<std::optional<std::string>> files_;
  std::deque<PrinterAnswer> printers_;
  std::vector<Message> messages_;
  size_t checkedMessages_ = 0;
  std::vector<std::string> errors_;
  CalendarDate today_;
  ClockTime now_;
  std::vector<std::string> recent_;
  std::string settingsFile_;
  bool quit_ = false;
  bool anotherInstance_ = false;
};

}  // namespace corvane
