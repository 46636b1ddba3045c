// Everything that leaves the model goes through the host: message boxes,
// questions, the input box, file choosers, the printer dialog, the clock, the
// program's end and the platform services of the main window. The desktop
// program implements it with Qt, the script driver and the tests with queued
// answers.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

class PrintSurface;

enum class MessageIcon { Information, Warning };

// The buttons of a three-way question.
enum class Answer { Yes, No, Cancel };

struct CalendarDate {
  int year = 2000, month = 1, day = 1;
};
struct ClockTime {
  int hour = 0, minute = 0, second = 0;
};

// "yyyy/M/d", the short date of the Chinese desktop the program is made for.
std::string shortDateText(const CalendarDate& date);
// "HH:MM:SS".
std::string timeText(const ClockTime& time);

class Host {
 public:
  virtual ~Host() = default;

  virtual void showMessage(const std::string& text, MessageIcon icon, const std::string& title) = 0;
  virtual bool askYesNo(const std::string& text, const std::string& title) = 0;
  // Yes, No and Cancel; closing the box is Cancel.
  virtual Answer askYesNoCancel(const std::string& text, const std::string& title) = 0;
  // Empty optional when the user cancels.
  virtual std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                              const std::string& defaultText) = 0;
  // `filter` is in the design's notation: "CVN(*.CVN)|*.CVN|(*.*)|*.*".
  virtual std::optional<std::string> chooseOpenFile(const std::string& filter) = 0;
  virtual std::optional<std::string> chooseSaveFile(const std::string& filter) = 0;
  // The printer dialog; nullptr when the user cancels or no printer can be had.
  virtual std::unique_ptr<PrintSurface> choosePrinter() = 0;

  virtual CalendarDate today() = 0;
  virtual ClockTime now() = 0;

  // Ends the program at once (the main window's "关闭").
  virtual void quit() = 0;
  // Starts the system's information tool; false when there is none.
  virtual bool launchSystemInformation() = 0;
  // True when another copy of the program already runs for this user.
  virtual bool anotherInstanceRunning() { return false; }
  // True when the program goes on serving the user while long work runs on
  // threads of its own (the desktop program); a headless run waits for the
  // work to end before its next command.
  virtual bool runsWorkInBackground() const { return false; }

  // The user's settings: the design files opened or saved last, newest first.
  virtual std::vector<std::string> recentDesigns() = 0;
  virtual void storeRecentDesigns(const std::vector<std::string>& paths) = 0;
  // The folder of the user's program data (the recovery copy lives there);
  // "" when the program keeps none.
  virtual std::string dataFolder() = 0;
};

}  // namespace corvane
