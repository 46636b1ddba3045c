// The host of a scripted run: a recording host whose queues the script fills
// (`answer`, `input`, `file`, `printer`), whose message log the script prints
// and checks, and whose clock shows what the script set. A printer dialog
// answered from its own queue records the pages or prints them as PDF. A
// Yes/No question answered `cancel` gets No.
//
// The user's settings (the recent designs) live in memory, or in a file the
// script names (one path a line, UTF-8).
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/recording_host.h"
#include "model/translator.h"

namespace corvane {

class ScriptedHost : public RecordingHost {
 public:
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

  // --- answers for the next printer dialogs
  void queuePrinter(PrinterAnswer answer) { printers_.push_back(std::move(answer)); }
  // Answers given but never asked for, over all queues.
  size_t unusedAnswers() const { return unusedQueuedAnswers() + printers_.size(); }

  // --- what the run showed
  // The oldest message box not yet checked, nullptr when all are.
  const Message* nextUncheckedMessage() const;
  void markMessageChecked() { ++checkedMessages_; }
  // Problems met inside a dialog (a recording that could not be written),
  // taken once.
  std::vector<std::string> takeErrors();

  // --- the platform
  void setAnotherInstance(bool running) { anotherInstance_ = running; }
  // Keeps the recent designs in this file from now on; they are read from
  // it at once (a missing file holds none).
  void useSettingsFile(const std::string& path);

  // Host
  std::unique_ptr<PrintSurface> choosePrinter() override;
  bool anotherInstanceRunning() override { return anotherInstance_; }
  void storeRecentDesigns(const std::vector<std::string>& paths) override;

 protected:
  // In the host's language.
  std::string shown(const std::string& text) const override;
  void note(const std::string& line) const override {
    if (note_) note_(line);
  }

 private:
  // A page that prints in the host's language.
  std::unique_ptr<PrintSurface> speaking(std::unique_ptr<PrintSurface> page) const;

  PdfFactory pdfFactory_;
  Note note_;
  const Translator* translator_ = nullptr;
  std::deque<PrinterAnswer> printers_;
  size_t checkedMessages_ = 0;
  std::vector<std::string> errors_;
  std::string settingsFile_;
  bool anotherInstance_ = false;
};

}  // namespace corvane
