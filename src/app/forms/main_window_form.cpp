#include "app/forms/main_window_form.h"

#include <string>
#include <string_view>
#include <vector>

#include "app/forms/about_form.h"
#include "app/forms/cover_form.h"
#include "app/forms/help_form.h"
#include "app/forms/mainwindow_fields.h"
#include "app/forms/product.h"
#include "bobbin/bobbinform_fields.h"
#include "bom/bomform_fields.h"
#include "core/coreform_fields.h"
#include "electrical/eledata_fields.h"
#include "model/design_history.h"
#include "model/design_session.h"
#include "model/host.h"
#include "model/standard_keys.h"
#include "model/step_label.h"
#include "model/translator.h"
#include "model/value.h"
#include "model/workspace.h"
#include "operating/operating_fields.h"
#include "winding/jiegou_fields.h"
#include "wiretools/wiretoolsform_fields.h"

namespace corvane {

namespace {

// the edit menu's entries, before the step they name
constexpr const char* kUndo = "撤销";
constexpr const char* kRedo = "重做";

// Menu of the main window: item name, caption, the item whose submenu holds
// it, its standard key ("" for none).
struct MenuRow {
  const char* name;
  const char* caption;
  const char* parent;
  const char* shortcut = "";
};
constexpr MenuRow kMenu[] = {
    {mainwindow::FILe, "文件", ""},
    {mainwindow::NEW, "新建", mainwindow::FILe, keys::kNew},
    {mainwindow::OPEN, "打开", mainwindow::FILe, keys::kOpen},
    {mainwindow::SAVE, "保存", mainwindow::FILe, keys::kSave},
    {mainwindow::SAVEAS, "另存为…", mainwindow::FILe},
    {mainwindow::PRINT, "打印", mainwindow::FILe},
    {mainwindow::SepRecent, "-", mainwindow::FILe},
    {mainwindow::SepClose, "-", mainwindow::FILe},
    {mainwindow::OVER, "关闭", mainwindow::FILe},
    {mainwindow::EDIT, "编辑", ""},
    {mainwindow::UNDO, kUndo, mainwindow::EDIT, keys::kUndo},
    {mainwindow::REDO, kRedo, mainwindow::EDIT, keys::kRedo},
    {mainwindow::Tools, "工具", ""},
    {mainwindow::ToolsWire, "导线工具", mainwindow::Tools},
    {mainwindow::ToolsSearch, "自动设计", mainwindow::Tools},
    {mainwindow::sys, "系统信息", ""},
    {mainwindow::HELP, "帮助", "", keys::kHelp},
    {mainwindow::ABOUT, "关于", ""},
};

// The command of each form that prints its report, which "文件 → 打印" runs
// while that form is the active window.
struct FormReport {
  const char* form;
  const char* command;
};
constexpr FormReport kReports[] = {
    {forms::kElectrical, eledata::PRINT},         {forms::kCore, coreform::PRINT},
    {forms::kBobbin, bobbinform::PRINT},          {forms::kStructure, jiegou::Pr},
    {forms::kOperating, operatingform::CmdPrint}, {forms::kCost, bomform::Command14},
    {forms::kWireTools, wiretoolsform::P},
};

const char* reportCommandOf(const Form* form) {
  if (!form) return nullptr;
  for (const FormReport& report : kReports)
    if (form->name() == report.form) return report.command;
  return nullptr;
}
// the recent designs sit between the two separators
constexpr const char* kRecentAfter = mainwindow::SepRecent;
constexpr const char* kRecentItems = mainwindow::RECENT;

// Status panels 1..6: panel width (twips) as the status bar shows it.
constexpr int kPanelWidths[] = {4200, 3600, 1500, 1200, 900, 600};
constexpr int kFirstPanel = 1;
constexpr int kFirstRecent = 1;
constexpr int kCounterPanel = 5;

constexpr const char* kAlreadyRunning = "本专家系统软件已经在运行！";
constexpr const char* kPanel2Text = "EI型工频电源变压器设计";
constexpr const char* kPanel4Text = "您已操作：";
constexpr const char* kPanel6Text = "秒";

}  // namespace

MainWindowForm::MainWindowForm(Workspace& workspace) : Form(workspace, kName, product::kTitle) {
  setSize(16200, 12000);  // room for the largest design form
  addMenu();
  addStatusBar();
  ControlInit timer;
  timer.interval = 1000;
  timer.enabled = false;  // the load step starts it
  addControl(mainwindow::Tim1, ControlKind::Timer, timer);
  on(EventKind::Tick, mainwindow::Tim1, [this](Control&, const EventArgs&) {
    countSecond();
    this->workspace().session().secondElapsed();
  });
  sessionConnection_ = workspace.session().changed.connect([this] { followSession(); });
  historyConnection_ = workspace.history().changed.connect([this] { followHistory(); });
  followHistory();
  activeConnection_ = workspace.activeChanged.connect([this] { followActiveForm(); });
  followActiveForm();
}

MainWindowForm::~MainWindowForm() {
  workspace().session().changed.disconnect(sessionConnection_);
  workspace().history().changed.disconnect(historyConnection_);
  workspace().activeChanged.disconnect(activeConnection_);
}

// The active design form, if any: the help window and the about box are not
// where the designer works.
Form* MainWindowForm::workingForm() const {
  Form* active = workspace().activeForm();
  if (!active || active == this || active->name() == HelpForm::kName ||
      active->name() == AboutForm::kName)
    return nullptr;
  return active;
}

void MainWindowForm::followActiveForm() {
  control(mainwindow::PRINT).setEnabled(reportCommandOf(workingForm()) != nullptr);
}

// "打印" runs the active form's own print command, as its button or menu would.
void MainWindowForm::printActiveReport() {
  Form* form = workingForm();
  const char* command = reportCommandOf(form);
  if (!command) return;
  form->userClick(form->control(command));
}

void MainWindowForm::openHelp() {
  if (!workspace().knowsForm(HelpForm::kName)) return;
  Form* form = workingForm();
  const std::string chapterOf = form ? form->name() : std::string();
  auto* help = dynamic_cast<HelpForm*>(&workspace().form(HelpForm::kName));
  if (help) help->openChapterOf(chapterOf);
}

void MainWindowForm::addMenu() {
  for (const MenuRow& row : kMenu) {
    ControlInit init;
    init.caption = row.caption;
    init.menuParent = row.parent;
    init.shortcut = row.shortcut;
    addControl(row.name, ControlKind::MenuItem, init);
    if (std::string_view(row.name) == kRecentAfter) addRecentItems();
  }
  on(EventKind::Click, mainwindow::NEW, [this](Control&, const EventArgs&) { newDesign(); });
  DesignSession& session = workspace().session();
  on(EventKind::Click, mainwindow::OPEN,
     [&session](Control&, const EventArgs&) { session.open(); });
  on(EventKind::Click, mainwindow::SAVE,
     [&session](Control&, const EventArgs&) { session.save(); });
  on(EventKind::Click, mainwindow::SAVEAS,
     [&session](Control&, const EventArgs&) { session.saveAs(); });
  on(EventKind::Click, kRecentItems, [&session](Control& item, const EventArgs&) {
    session.openRecent(item.index() - kFirstRecent);
  });
  // a click on the menu itself opens the wire tools, as it did before the
  // menu had items; scripts still say so
  auto wireTools = [this](Control&, const EventArgs&) { showFormIfKnown(forms::kWireTools); };
  on(EventKind::Click, mainwindow::Tools, wireTools);
  on(EventKind::Click, mainwindow::ToolsWire, wireTools);
  on(EventKind::Click, mainwindow::ToolsSearch,
     [this](Control&, const EventArgs&) { showFormIfKnown(forms::kSearch); });
  on(EventKind::Click, mainwindow::HELP, [this](Control&, const EventArgs&) { openHelp(); });
  on(EventKind::Click, mainwindow::ABOUT,
     [this](Control&, const EventArgs&) { workspace().form(AboutForm::kName).show(); });
  on(EventKind::Click, mainwindow::PRINT,
     [this](Control&, const EventArgs&) { printActiveReport(); });
  on(EventKind::Click, mainwindow::sys,
     [this](Control&, const EventArgs&) { startSystemInformation(host()); });
  DesignHistory& history = workspace().history();
  on(EventKind::Click, mainwindow::UNDO,
     [&history](Control&, const EventArgs&) { history.undo(); });
  on(EventKind::Click, mainwindow::REDO,
     [&history](Control&, const EventArgs&) { history.redo(); });
  on(EventKind::Click, mainwindow::OVER,
     [&session](Control&, const EventArgs&) { session.endProgram(); });
}

// Eight items, hidden until the settings hold as many designs.
void MainWindowForm::addRecentItems() {
  ControlInit item;
  item.menuParent = mainwindow::FILe;
  item.visible = false;
  item.enabled = false;
  ControlArray& items = addArray(kRecentItems, ControlKind::MenuItem, item, kFirstRecent);
  for (int i = 1; i < DesignSession::kRecentCount; ++i) items.load(kFirstRecent + i, item);
}

// The first use of "新建" opens the electrical form; once a design exists it
// starts a new one, the forms as at first use.
void MainWindowForm::newDesign() {
  bool designExists = false;
  for (const Form* form : workspace().existingForms())
    designExists = designExists || form->holdsDesign();
  if (designExists && !workspace().session().startNewDesign()) return;
  showFormIfKnown(forms::kElectrical);
  // a new design starts its history here, on the first start too: undo
  // never takes back the form it opened
  workspace().history().clear();
}

void MainWindowForm::followSession() {
  if (refused_) return;
  DesignSession& session = workspace().session();
  if (session.path().empty() && !session.hasUnsavedChanges())
    setCaption(std::string(product::kTitle) + " 欢迎使用");
  else
    setCaption(std::string(product::kTitle) + " - " + session.displayName() +
               (session.hasUnsavedChanges() ? "*" : ""));

  const std::vector<std::string>& recent = session.recentDesigns();
  ControlArray& items = array(kRecentItems);
  for (int i = 0; i < DesignSession::kRecentCount; ++i) {
    Control& item = items.element(kFirstRecent + i);
    bool used = i < static_cast<int>(recent.size());
    item.setCaption(used ? std::to_string(i + 1) + " " + recent[i] : std::string());
    item.setVisible(used);
    item.setEnabled(used);
  }
  control(mainwindow::SepClose).setVisible(!recent.empty());
}

// "撤销 修改 圈数Ts(2)": the entries name the step they take back or do
// again, and are greyed when there is none.
void MainWindowForm::followHistory() {
  const DesignHistory& history = workspace().history();
  Control& undo = control(mainwindow::UNDO);
  undo.setCaption(history.canUndo() ? kUndo + std::string(" ") + history.undoWhat() : kUndo);
  undo.setEnabled(history.canUndo());
  Control& redo = control(mainwindow::REDO);
  redo.setCaption(history.canRedo() ? kRedo + std::string(" ") + history.redoWhat() : kRedo);
  redo.setEnabled(history.canRedo());
}

std::string MainWindowForm::shownCaption(const Control& control,
                                         const Translator& translator) const {
  const bool undo = &control == find(mainwindow::UNDO);
  if (!undo && &control != find(mainwindow::REDO)) return Form::shownCaption(control, translator);
  const DesignHistory& history = workspace().history();
  const StepName* step = undo ? history.undoName() : history.redoName();
  std::string entry = translateComposed(translator, name(), undo ? kUndo : kRedo);
  // the step's name by its parts: the field's label is a text of its own form
  if (step) entry += " " + shownStepText(*step, translator);
  return entry;
}

bool MainWindowForm::makesSteps(const Control& control) const {
  return &control != find(mainwindow::UNDO) && &control != find(mainwindow::REDO);
}

void MainWindowForm::addStatusBar() {
  ControlInit panel;
  panel.geometry.width = kPanelWidths[0];
  ControlArray& panels = addArray(mainwindow::St1, ControlKind::StatusPanel, panel, kFirstPanel);
  for (int i = 1; i < static_cast<int>(std::size(kPanelWidths)); ++i) {
    panel.geometry.width = kPanelWidths[i];
    panels.load(kFirstPanel + i, panel);
  }
}

void MainWindowForm::load() {
  control(mainwindow::Tim1).setEnabled(true);
  if (host().anotherInstanceRunning()) {
    refused_ = true;
    control(mainwindow::Tim1).setEnabled(false);
    host().showMessage(kAlreadyRunning, MessageIcon::Information, product::kTitle);
    host().quit();
    return;
  }
  fillStatusPanels();
  followSession();
}

void MainWindowForm::fillStatusPanels() {
  ControlArray& panels = array(mainwindow::St1);
  panels.element(2).setText(kPanel2Text);
  panels.element(1).setText(product::kWelcomeLine);
  panels.element(3).setText(shortDateText(host().today()));
  panels.element(4).setText(kPanel4Text);
  panels.element(6).setText(kPanel6Text);
}

void MainWindowForm::countSecond() {
  Control& counter = array(mainwindow::St1).element(kCounterPanel);
  counter.setText(generalFormat(counter.num() + 1));
}

void MainWindowForm::showFormIfKnown(const char* name) {
  if (workspace().knowsForm(name)) workspace().form(name).show();
}

void showMainWindow(Workspace& workspace) {
  Form& form = workspace.form(MainWindowForm::kName);
  auto* main = dynamic_cast<MainWindowForm*>(&form);
  if (main && main->refused()) return;
  form.show();
}

void startProgram(Workspace& workspace, bool withCover) {
  if (withCover)
    workspace.form(CoverForm::kName).show();
  else
    showMainWindow(workspace);
}

}  // namespace corvane
