#include "app/forms/main_window_form.h"

#include "app/forms/about_form.h"
#include "app/forms/cover_form.h"
#include "app/forms/mainwindow_fields.h"
#include "app/forms/product.h"
#include "model/host.h"
#include "model/value.h"
#include "model/workspace.h"

namespace corvane {

namespace {

// Menu of the main window: item name, caption, the item whose submenu holds it.
struct MenuRow {
  const char* name;
  const char* caption;
  const char* parent;
};
constexpr MenuRow kMenu[] = {
    {mainwindow::FILe, "文件", ""},
    {mainwindow::NEW, "新建", mainwindow::FILe},
    {mainwindow::OPEN, "打开", mainwindow::FILe},
    {mainwindow::SAVE, "保存", mainwindow::FILe},
    {mainwindow::PRINT, "打印", mainwindow::FILe},
    {mainwindow::OVER, "关闭", mainwindow::FILe},
    {mainwindow::Tools, "工具", ""},
    {mainwindow::sys, "系统信息", ""},
    {mainwindow::HELP, "帮助", ""},
};

// Status panels 1..6: panel width (twips) as the status bar shows it.
constexpr int kPanelWidths[] = {4200, 3600, 1500, 1200, 900, 600};
constexpr int kFirstPanel = 1;
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
  on(EventKind::Tick, mainwindow::Tim1, [this](Control&, const EventArgs&) { countSecond(); });
}

void MainWindowForm::addMenu() {
  for (const MenuRow& row : kMenu) {
    ControlInit init;
    init.caption = row.caption;
    init.menuParent = row.parent;
    addControl(row.name, ControlKind::MenuItem, init);
  }
  on(EventKind::Click, mainwindow::NEW,
     [this](Control&, const EventArgs&) { showFormIfKnown(forms::kElectrical); });
  on(EventKind::Click, mainwindow::Tools,
     [this](Control&, const EventArgs&) { showFormIfKnown(forms::kWireTools); });
  on(EventKind::Click, mainwindow::HELP,
     [this](Control&, const EventArgs&) { workspace().form(AboutForm::kName).show(); });
  on(EventKind::Click, mainwindow::sys,
     [this](Control&, const EventArgs&) { startSystemInformation(host()); });
  // open, save and print belong to the design forms; here they do nothing
  on(EventKind::Click, mainwindow::OVER, [this](Control&, const EventArgs&) { host().quit(); });
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
  setCaption(std::string(product::kTitle) + " 欢迎使用");
  fillStatusPanels();
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
