// The main window MDIForm1: the menu, the status bar St1 with its six panels
// and the seconds-in-use counter driven by Tim1. A second copy of the program
// refuses to open it. Its file menu opens and saves the whole design as a
// project file and lists the recent designs; its caption names the design's
// file, with "*" while there are unsaved changes. Its edit menu undoes and
// redoes the steps of the design. "帮助" (F1) opens the user manual at the
// chapter of the active form, "关于" the about box, and "文件 → 打印" prints
// the active form's report.
#pragma once

#include "model/form.h"
#include "model/form_names.h"

namespace corvane {

class MainWindowForm : public Form {
 public:
  static constexpr const char* kName = forms::kMainWindow;
  explicit MainWindowForm(Workspace& workspace);
  ~MainWindowForm() override;

  void load() override;
  // True when the load step found another copy running and ended the program.
  bool refused() const { return refused_; }
  // The edit menu's entries name their step in the language shown.
  std::string shownCaption(const Control& control, const Translator& translator) const override;
  bool makesSteps(const Control& control) const override;

 private:
  void addMenu();
  void addRecentItems();
  void addStatusBar();
  void newDesign();
  // The caption and the recent-design items follow the design session.
  void followSession();
  void followHistory();
  void fillStatusPanels();
  void countSecond();
  void showFormIfKnown(const char* name);
  Form* workingForm() const;
  // "打印" is greyed unless the active form prints a report.
  void followActiveForm();
  void printActiveReport();
  void openHelp();

  bool refused_ = false;
  int sessionConnection_ = 0;
  int historyConnection_ = 0;
  int activeConnection_ = 0;
};

// Opens the main window (creating it on first use) unless its load step
// refused to run.
void showMainWindow(Workspace& workspace);

// Start-up entry: the cover first, or the main window at once.
void startProgram(Workspace& workspace, bool withCover);

}  // namespace corvane
