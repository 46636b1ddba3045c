// The design as a document: the project file it was opened from or saved to,
// whether it has changes not yet saved, the designs opened last, and the
// recovery copy kept while changes are unsaved. The main window's file menu,
// the forms' commands that end the program and the desktop program all go
// through it; every dialog and message goes through the host.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/signal.h"

namespace corvane {

class Workspace;
struct ProjectRecord;
struct SkippedParts;

class DesignSession {
 public:
  static constexpr const char* kUnsavedQuestion = "是否保存对设计的修改？";
  static constexpr const char* kRecoveryQuestion =
      "上次程序没有正常结束，留下了未保存的设计。是否恢复它？";
  static constexpr const char* kUntitled = "未命名设计";
  static constexpr const char* kRecoveryFile = "recovery.cvd";
  static constexpr int kRecentCount = 8;
  // Seconds from one recovery copy to the next, at the least.
  static constexpr int kRecoveryInterval = 60;

  explicit DesignSession(Workspace& workspace);
  ~DesignSession();
  DesignSession(const DesignSession&) = delete;
  DesignSession& operator=(const DesignSession&) = delete;

  // The design's project file, absolute; "" before it is saved or opened.
  const std::string& path() const { return path_; }
  // Its file name, or "未命名设计".
  std::string displayName() const;
  bool hasUnsavedChanges() const;

  // --- commands; a failure shows one message naming the file and the reason
  // To the design's file, or to a new one (save as) when it has none. False
  // when cancelled or failed.
  bool save();
  bool saveAs();
  bool saveTo(const std::string& path);
  // Asks about unsaved changes, then for the file, then opens it.
  bool open();
  // Asks about unsaved changes, then opens the file.
  bool openFile(const std::string& path);
  // A recent design, 0 the newest; a file that is gone is named in a
  // message and leaves the list.
  bool openRecent(int position);
  // Asks about unsaved changes, then discards the design: every design form
  // is created afresh at its next use.
  bool startNewDesign();
  // The unsaved-changes question, when there are any: Yes saves, No lets the
  // changes go, Cancel (or a save that did not happen) keeps the design.
  // True when the design may be discarded.
  bool settleUnsavedChanges();
  // Ends the program once the question lets it: `beforeEnd` runs (a
  // farewell), the recovery copy goes, the host ends the program. False when
  // the user kept the program running.
  bool endProgram(const std::function<void()>& beforeEnd = {});

  // --- recent designs, newest first, as the host's settings keep them
  const std::vector<std::string>& recentDesigns();
  // Reads them from the host again (after the settings store changed).
  void reloadRecentDesigns();

  // --- recovery copy
  // The main window's one-second clock: while there are unsaved changes a
  // recovery copy is written, at most once a minute.
  void secondElapsed();
  // Where the recovery copy lives; "" when the host keeps no program data.
  std::string recoveryPath() const;
  // At start: a recovery copy left by an abnormal end is offered; Yes puts
  // that design back (with unsaved changes), No deletes it. True when it was
  // restored.
  bool offerRecovery();
  void removeRecovery();

  // The file, the unsaved state or the recent designs changed.
  Signal<> changed;

 private:
  bool load(const std::string& path, bool fromRecovery);
  // Puts the record in place of the design; the parts skipped, or none when
  // it failed.
  std::optional<SkippedParts> apply(const std::string& path, const ProjectRecord& record);
  void writeRecovery();
  void markClean();
  void rememberRecent(const std::string& path);
  void announce();
  void problem(const std::string& text) const;

  Workspace& workspace_;
  std::string path_;
  // The revision the saved file holds; none after a recovery, whose changes
  // are not in any file.
  std::optional<unsigned long long> cleanRevision_ = 0;
  std::optional<unsigned long long> recoveredRevision_;
  int secondsSinceRecovery_ = kRecoveryInterval;
  bool announcedUnsaved_ = false;
  std::optional<std::vector<std::string>> recent_;
  int changedConnection_ = 0;
};

}  // namespace corvane
