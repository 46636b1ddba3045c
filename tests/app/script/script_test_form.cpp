#include "app/script/script_test_form.h"

#include <memory>

#include "model/form.h"
#include "model/host.h"
#include "model/print_surface.h"
#include "model/value.h"
#include "model/workspace.h"

namespace corvane {

namespace {

ControlInit withText(std::string text) {
  ControlInit init;
  init.text = std::move(text);
  return init;
}

ControlInit withCaption(std::string caption) {
  ControlInit init;
  init.caption = std::move(caption);
  return init;
}

class ScriptTestForm : public Form {
 public:
  explicit ScriptTestForm(Workspace& workspace) : Form(workspace, kScriptTestFormName, "测试窗体") {
    addFields();
    addLists();
    addTimersAndPanels();
    addButtons();
    addReactions();
  }

  // Like the main window, the form refuses to run beside another copy.
  void load() override {
    control("TxtLoaded").setText("yes");
    if (host().anotherInstanceRunning()) {
      host().showMessage("已经在运行", MessageIcon::Information, "");
      host().quit();
    }
  }

 private:
  void addFields() {
    addControl("TxtA", ControlKind::TextBox);
    addControl("TxtB", ControlKind::TextBox);
    addControl("TxtC", ControlKind::TextBox);
    ControlArray& rows = addArray("txtRow", ControlKind::TextBox);
    rows.load(1, {});
    rows.load(2, {});
    addControl("LblSum", ControlKind::Label, withCaption("0"));
    addControl("TxtTyped", ControlKind::TextBox);
    addControl("TxtLog", ControlKind::TextBox);
    addControl("TxtKey", ControlKind::TextBox);
    addControl("TxtFocus", ControlKind::TextBox);
    ControlInit second;
    second.visible = false;
    addControl("TxtSecond", ControlKind::TextBox, second);
    ControlInit locked = withText("fixed");
    locked.locked = true;
    addControl("TxtLocked", ControlKind::TextBox, locked);
    addControl("TxtLoop", ControlKind::TextBox);
    addControl("TxtLoaded", ControlKind::TextBox);
    addControl("TxtResult", ControlKind::TextBox);
  }

  void addLists() {
    ControlInit kinds;
    kinds.items = {"无", "半波电容", "全桥电容"};
    kinds.listIndex = 0;
    addControl("CmbKind", ControlKind::ComboBox, kinds);
    ControlInit wires;
    wires.items = {"2UEW", "1UEW"};
    wires.listOnly = false;
    addControl("CmbWire", ControlKind::ComboBox, wires);
    ControlInit dual = withCaption("双组输入");
    addControl("ChkDual", ControlKind::CheckBox, dual);
    ControlInit optionA = withCaption("甲");
    optionA.value = 1;
    addControl("OptA", ControlKind::OptionButton, optionA);
    addControl("OptB", ControlKind::OptionButton, withCaption("乙"));
  }

  void addTimersAndPanels() {
    ControlInit counting;
    counting.interval = 1000;
    addControl("TimCount", ControlKind::Timer, counting);
    ControlInit once;
    once.interval = 400;
    addControl("TimOnce", ControlKind::Timer, once);
    ControlInit off;
    off.interval = 1000;
    off.enabled = false;
    addControl("TimOff", ControlKind::Timer, off);
    ControlArray& panels = addArray("St", ControlKind::StatusPanel, withText("欢迎"), 1);
    panels.load(2, {});
    panels.load(3, withText("秒"));
  }

  void addButtons() {
    addControl("CmdMessage", ControlKind::CommandButton, withCaption("提示"));
    addControl("CmdWarn", ControlKind::CommandButton, withCaption("警告"));
    addControl("CmdAsk", ControlKind::CommandButton, withCaption("询问"));
    addControl("CmdInput", ControlKind::CommandButton, withCaption("输入"));
    addControl("CmdOpen", ControlKind::CommandButton, withCaption("打开"));
    addControl("CmdSave", ControlKind::CommandButton, withCaption("保存"));
    addControl("CmdPrint", ControlKind::CommandButton, withCaption("打印参数表"));
    addControl("CmdDivide", ControlKind::CommandButton, withCaption("除法"));
    addControl("CmdClock", ControlKind::CommandButton, withCaption("时钟"));
    addControl("CmdClose", ControlKind::CommandButton, withCaption("上一步"));
    addControl("CmdBroken", ControlKind::CommandButton, withCaption("缺控件"));
    ControlInit off = withCaption("停用");
    off.enabled = false;
    addControl("CmdOff", ControlKind::CommandButton, off);
    ControlInit frame = withCaption("框");
    frame.enabled = false;
    addControl("FraBox", ControlKind::Frame, frame);
    ControlInit inFrame = withCaption("框内");
    inFrame.container = "FraBox";
    addControl("CmdInFrame", ControlKind::CommandButton, inFrame);
    ControlArray& row = addArray("CmdRow", ControlKind::CommandButton, withCaption("第一"));
    row.load(1, withCaption("第二"));
    addControl("mnuQuit", ControlKind::MenuItem, withCaption("关闭"));
  }

  void addReactions() {
    on(EventKind::Change, "TxtA", [this](Control& a, const EventArgs&) {
      control("TxtB").setText(generalFormat(a.num() * 2));
    });
    on(EventKind::Change, "TxtB", [this](Control& b, const EventArgs&) {
      control("TxtC").setText(generalFormat(b.num() + 1));
    });
    on(EventKind::Change, "txtRow", [this](Control&, const EventArgs&) {
      double sum = 0;
      for (int i : array("txtRow").indices()) sum += array("txtRow").element(i).num();
      control("LblSum").setCaption(generalFormat(sum));
    });
    on(EventKind::KeyPress, "TxtTyped",
       [this](Control&, const EventArgs& args) { appendLog("p" + args.keyChar); });
    on(EventKind::Change, "TxtTyped", [this](Control&, const EventArgs&) { appendLog("c"); });
    on(EventKind::KeyDown, "TxtKey", [this](Control&, const EventArgs& args) {
      control("TxtKey").setText(std::to_string(args.keyCode));
    });
    on(EventKind::Enter, "TxtA", [this](Control&, const EventArgs&) { setFocus(control("TxtB")); });
    on(EventKind::GotFocus, "TxtB",
       [this](Control&, const EventArgs&) { control("TxtFocus").setText("B"); });
    on(EventKind::Change, "TxtLoop", [](Control& loop, const EventArgs&) {
      loop.setText(loop.text() + "x");  // feeds itself until the depth guard stops it
    });
    on(EventKind::Choose, "CmbKind", [this](Control& kind, const EventArgs&) {
      control("TxtResult").setText("kind " + std::to_string(kind.listIndex()));
    });
    on(EventKind::Click, "ChkDual", [this](Control& dual, const EventArgs&) {
      control("TxtSecond").setVisible(dual.value() == 1);
      control("TxtSecond").setBackColor(dual.value() == 1 ? colors::kRed : colors::kWindow);
    });
    on(EventKind::Tick, "TimCount", [this](Control&, const EventArgs&) {
      Control& seconds = array("St").element(2);
      seconds.setText(generalFormat(seconds.num() + 1));
    });
    on(EventKind::Tick, "TimOnce", [this](Control& timer, const EventArgs&) {
      control("TxtResult").setText(control("TxtResult").text() + "t");
      timer.setEnabled(false);
    });
    on(EventKind::Tick, "TimOff", [this](Control&, const EventArgs&) { result("ticked"); });
    addDialogReactions();
  }

  void addDialogReactions() {
    on(EventKind::Click, "CmdMessage", [this](Control&, const EventArgs&) {
      host().showMessage("计算完成", MessageIcon::Information, "提示");
    });
    on(EventKind::Click, "CmdWarn", [this](Control&, const EventArgs&) {
      host().showMessage("输入有误\r\n请重试", MessageIcon::Warning, "警告");
    });
    on(EventKind::Click, "CmdAsk", [this](Control&, const EventArgs&) {
      result(host().askYesNo("继续吗？", "询问") ? "yes" : "no");
    });
    on(EventKind::Click, "CmdInput", [this](Control&, const EventArgs&) {
      result(host().inputBox("数量", "输入", "1").value_or("(cancel)"));
    });
    on(EventKind::Click, "CmdOpen", [this](Control&, const EventArgs&) {
      result(host().chooseOpenFile("CVN(*.CVN)|*.CVN|(*.*)|*.*").value_or("(cancel)"));
    });
    on(EventKind::Click, "CmdSave", [this](Control&, const EventArgs&) {
      result(host().chooseSaveFile("CVN(*.CVN)|*.CVN").value_or("(cancel)"));
    });
    on(EventKind::Click, "CmdPrint", [this](Control&, const EventArgs&) { printPage(); });
    on(EventKind::Click, "CmdDivide", [this](Control&, const EventArgs&) {
      result("started");
      result(generalFormat(checkedDivide(1, control("TxtA").num())));
    });
    on(EventKind::Click, "CmdClock", [this](Control&, const EventArgs&) {
      result(shortDateText(host().today()) + " " + timeText(host().now()));
    });
    on(EventKind::Click, "CmdClose",
       [this](Control&, const EventArgs&) { workspace().close(name()); });
    on(EventKind::Click, "CmdOff", [this](Control&, const EventArgs&) { result("off clicked"); });
    // a reaction written against a control the form does not have
    on(EventKind::Click, "CmdBroken", [this](Control&, const EventArgs&) {
      result("broken started");
      control("TxtMisspelt").setText("never");
    });
    on(EventKind::Click, "CmdInFrame",
       [this](Control&, const EventArgs&) { result("frame clicked"); });
    on(EventKind::Click, "CmdRow", [this](Control& button, const EventArgs&) {
      result("row " + std::to_string(button.index()));
    });
    on(EventKind::DblClick, "TxtResult", [this](Control&, const EventArgs&) { result("double"); });
    on(EventKind::Click, "mnuQuit", [this](Control&, const EventArgs&) { host().quit(); });
  }

  void printPage() {
    std::unique_ptr<PrintSurface> page = host().choosePrinter();
    if (!page) return result("(cancel)");
    page->scale(0, 0, 210, 290);
    page->setFontName("黑体");
    page->setFontSize(14);
    page->setCurrentX(20);
    page->setCurrentY(10);
    page->print({"变压器", PrintItem::gap(2), "参数"});
    page->line(10, 20, 200, 20);
    page->printForm(*this);
    page->endDoc();
    result("printed");
  }

  void result(const std::string& text) { control("TxtResult").setText(text); }
  void appendLog(const std::string& entry) {
    control("TxtLog").setText(control("TxtLog").text() + entry);
  }
};

}  // namespace

void registerScriptTestForm(Workspace& workspace) {
  workspace.registerForm(kScriptTestFormName,
                         [](Workspace& ws) { return std::make_unique<ScriptTestForm>(ws); });
}

}  // namespace corvane
