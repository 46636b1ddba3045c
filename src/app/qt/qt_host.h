// The desktop program's host: Qt message boxes and dialogs, the system
// clock, the printer dialog, the program's end, the system-information tool,
// the per-user lock that tells a second copy that the program runs, the
// user's settings (QSettings) and the program-data folder.
#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "model/host.h"
#include "model/translator.h"

class QLockFile;
class QSettings;
class QWidget;

namespace corvane {

class QtHost : public Host {
 public:
  // `lockFile`: the lock a running copy holds; empty for "corvane.lock" in
  // the user's runtime folder.
  explicit QtHost(QString lockFile = {});
  ~QtHost() override;

  void showMessage(const std::string& text, MessageIcon icon, const std::string& title) override;
  bool askYesNo(const std::string& text, const std::string& title) override;
  Answer askYesNoCancel(const std::string& text, const std::string& title) override;
  std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText) override;
  std::optional<std::string> chooseOpenFile(const std::string& filter) override;
  std::optional<std::string> chooseSaveFile(const std::string& filter) override;
  // The system's print dialog on an A4 page; its "print to file" choice
  // writes the report as a PDF file.
  std::unique_ptr<PrintSurface> choosePrinter() override;

  CalendarDate today() override;
  ClockTime now() override;

  void quit() override;
  bool launchSystemInformation() override;
  // Takes the lock on the first call; true when another copy holds it. A
  // lock left by a copy that crashed is taken over.
  bool anotherInstanceRunning() override;
  // The event loop keeps serving the user while a search runs.
  bool runsWorkInBackground() const override { return true; }

  std::vector<std::string> recentDesigns() override;
  // Where the file dialogs start: the folder of the most recent design that
  // still has one, so that opening, saving and exporting stay beside the
  // designer's work; empty (the working folder) before the first design.
  QString dialogFolder();
  void storeRecentDesigns(const std::vector<std::string>& paths) override;
  // The interface language the user chose last; none before the first choice.
  std::optional<Language> storedLanguage() const;
  void storeLanguage(Language language);
  // QStandardPaths::AppDataLocation unless set otherwise.
  std::string dataFolder() override;

  // Another settings file (INI) instead of the user's own, and another
  // program-data folder: tests keep theirs apart.
  void setSettingsFile(QString path) { settingsFile_ = std::move(path); }
  void setDataFolder(QString path) { dataFolder_ = std::move(path); }

  bool quitRequested() const { return quitRequested_; }
  // The socket beside the lock ("corvane.socket" beside "corvane.lock").
  QString handOffServerName() const;

  // "CVN(*.CVN)|*.CVN|(*.*)|*.*" in Qt's notation: "CVN(*.CVN);;所有文件 (*)".
  static QString qtFilter(const std::string& filter);
  // The extension a file dialog adds to a name typed without one, from a Qt
  // filter entry: "CVN(*.CVN)" gives "CVN", "所有文件 (*)" none.
  static QString defaultSuffix(const QString& entry);

 private:
  QWidget* dialogParent() const;
  std::unique_ptr<QSettings> openSettings() const;

  QString lockPath_;
  QString settingsFile_;
  QString dataFolder_;
  std::unique_ptr<QLockFile> lock_;
  bool lockChecked_ = false;
  bool otherCopyRuns_ = false;
  bool quitRequested_ = false;
};

}  // namespace corvane
