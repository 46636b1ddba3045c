// The main window MDIForm1: the menu, the status bar St1 with its six panels
// and the seconds-in-use counter driven by Tim1. A second copy of the program
// refuses to open it.
#pragma once

#include "model/form.h"
#include "model/form_names.h"

namespace corvane {

class MainWindowForm : public Form {
 public:
  static constexpr const char* kName = forms::kMainWindow;
  explicit MainWindowForm(Workspace& workspace);

  void load() override;
  // True when the load step found another copy running and ended the program.
  bool refused() const { return refused_; }

 private:
  void addMenu();
  void addStatusBar();
  void fillStatusPanels();
  void countSecond();
  void showFormIfKnown(const char* name);

  bool refused_ = false;
};

// Opens the main window (creating it on first use) unless its load step
// refused to run.
void showMainWindow(Workspace& workspace);

// Start-up entry: the cover first, or the main window at once.
void startProgram(Workspace& workspace, bool withCover);

}  // namespace corvane
