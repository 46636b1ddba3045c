#include <gtest/gtest.h>

#include "app/forms/about_form.h"
#include "app/forms/cover_form.h"
#include "app/forms/help_form.h"
#include "app/forms/main_window_form.h"
#include "app/forms/product.h"
#include "model/workspace.h"
#include "support/fake_host.h"

namespace corvane {
namespace {

// A stand-in for a design form the menu opens.
class PlainForm : public Form {
 public:
  PlainForm(Workspace& ws, std::string name) : Form(ws, std::move(name), "plain") {}
};

// A stand-in for a form that prints a report through its command `command`.
class PrintingForm : public Form {
 public:
  PrintingForm(Workspace& ws, std::string name, const char* command)
      : Form(ws, std::move(name), "printing") {
    addControl(command, ControlKind::MenuItem, {.caption = "打印"});
    on(EventKind::Click, command, [this](Control&, const EventArgs&) { ++prints; });
  }
  int prints = 0;
};

class MainWindowFormTest : public ::testing::Test {
 protected:
  MainWindowFormTest() {
    ws.registerForm(MainWindowForm::kName,
                    [](Workspace& w) { return std::make_unique<MainWindowForm>(w); });
    ws.registerForm(AboutForm::kName, [](Workspace& w) { return std::make_unique<AboutForm>(w); });
  }
  MainWindowForm& main() { return ws.form<MainWindowForm>(MainWindowForm::kName); }
  Control& panel(int number) { return main().array("St1").element(number); }
  void registerPlain(const std::string& name) {
    ws.registerForm(name, [name](Workspace& w) { return std::make_unique<PlainForm>(w, name); });
  }

  testing::FakeHost host;
  Workspace ws{host};
};

TEST_F(MainWindowFormTest, LoadFillsTheSixPanelsAndLeavesTheCounterEmpty) {
  EXPECT_EQ(main().array("St1").indices(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(panel(1).text(), "欢迎使用Peak Corvane专家系统V0.0.73");
  EXPECT_FALSE(panel(2).text().empty());
  EXPECT_EQ(panel(3).text(), "2024/3/9");  // the fake host's date
  EXPECT_EQ(panel(4).text(), "您已操作：");
  EXPECT_EQ(panel(5).text(), "");
  EXPECT_EQ(panel(6).text(), "秒");
  EXPECT_EQ(main().caption().rfind("Peak Corvane专家系统", 0), 0u);
  Control& timer = main().control("Tim1");
  EXPECT_TRUE(timer.enabled());
  EXPECT_EQ(timer.interval(), 1000);
}

TEST_F(MainWindowFormTest, CounterShowsTheSecondsTicked) {
  Control& timer = main().control("Tim1");
  for (int i = 0; i < 3; ++i) main().tick(timer);
  EXPECT_EQ(panel(5).text(), "3");
  for (int i = 3; i < 125; ++i) main().tick(timer);
  EXPECT_EQ(panel(5).text(), "125");
}

TEST_F(MainWindowFormTest, MenuItemsCarryTheirCaptionsAndSubmenu) {
  struct Item {
    const char* name;
    const char* caption;
    const char* parent;
  };
  // clang-format off
  const Item items[] = {
      {"FILe", "文件", ""}, {"NEW", "新建", "FILe"}, {"OPEN", "打开", "FILe"},
      {"SAVE", "保存", "FILe"}, {"PRINT", "打印", "FILe"}, {"OVER", "关闭", "FILe"},
      {"Tools", "工具", ""}, {"sys", "系统信息", ""}, {"HELP", "帮助", ""},
      {"ABOUT", "关于", ""},
  };
  // clang-format on
  for (const Item& item : items) {
    Control& control = main().control(item.name);
    EXPECT_EQ(control.kind(), ControlKind::MenuItem) << item.name;
    EXPECT_EQ(control.caption(), item.caption) << item.name;
    EXPECT_EQ(control.menuParent(), item.parent) << item.name;
  }
}

TEST_F(MainWindowFormTest, SecondCopySaysSoEndsAndNeverShowsTheWindow) {
  host.otherCopyRuns = true;
  showMainWindow(ws);
  EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"本专家系统软件已经在运行！"});
  EXPECT_EQ(host.quits, 1);
  EXPECT_TRUE(main().refused());
  EXPECT_FALSE(main().visible());
  EXPECT_FALSE(main().control("Tim1").enabled());
  EXPECT_EQ(panel(1).text(), "");  // the load stopped before the panels
  showMainWindow(ws);
  EXPECT_FALSE(main().visible());
}

TEST_F(MainWindowFormTest, FirstCopyShowsTheWindow) {
  showMainWindow(ws);
  EXPECT_TRUE(main().visible());
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.quits, 0);
}

TEST_F(MainWindowFormTest, CloseEndsTheProgram) {
  main().userClick(main().control("OVER"));
  EXPECT_EQ(host.quits, 1);
}

TEST_F(MainWindowFormTest, NewAndToolsShowTheirFormsWhenTheProgramHasThem) {
  main().userClick(main().control("NEW"));  // no electrical form registered: nothing happens
  main().userClick(main().control("Tools"));
  EXPECT_EQ(ws.existing("Frmeledata"), nullptr);

  registerPlain("Frmeledata");
  registerPlain("FrmWireTools");
  main().userClick(main().control("NEW"));
  ASSERT_NE(ws.existing("Frmeledata"), nullptr);
  EXPECT_TRUE(ws.existing("Frmeledata")->visible());
  EXPECT_EQ(ws.existing("FrmWireTools"), nullptr);
  main().userClick(main().control("Tools"));
  ASSERT_NE(ws.existing("FrmWireTools"), nullptr);
  EXPECT_TRUE(ws.existing("FrmWireTools")->visible());
}

TEST_F(MainWindowFormTest, AboutShowsTheAboutBoxAndOkHidesIt) {
  main().userClick(main().control("ABOUT"));
  Form& about = ws.form(AboutForm::kName);
  EXPECT_TRUE(about.visible());
  EXPECT_EQ(about.control("lblVersion").caption(), "版本V0.0.73");
  EXPECT_EQ(about.control("cmdOK").caption(), "确定");
  EXPECT_EQ(about.control("cmdSysInfo").caption(), "系统信息(&S)...");
  about.userClick(about.control("cmdOK"));
  EXPECT_FALSE(about.visible());
}

// F1 opens the manual at the chapter of the form the designer works in; the
// main window alone, the help window or the about box open the overview.
TEST_F(MainWindowFormTest, HelpOpensTheManualAtTheActiveFormsChapter) {
  ws.registerForm(HelpForm::kName, [](Workspace& w) { return std::make_unique<HelpForm>(w); });
  registerPlain("Frmcore");
  showMainWindow(ws);
  main().userClick(main().control("HELP"));
  Form& help = ws.form(HelpForm::kName);
  EXPECT_TRUE(help.visible());
  EXPECT_EQ(help.control("TxtChapter").text(), "start");
  ws.form("Frmcore").show();
  main().userClick(main().control("HELP"));
  EXPECT_EQ(help.control("TxtChapter").text(), "core");
  EXPECT_EQ(ws.activeForm(), &help);
  main().userClick(main().control("HELP"));  // from the help window itself
  EXPECT_EQ(help.control("TxtChapter").text(), "start");
  EXPECT_EQ(helpChapterOf("Frmjiegou"), "structure");
  EXPECT_EQ(helpChapterOf("nothing"), "start");
}

// "文件 → 打印" runs the print command of the active form, and is greyed
// while the active window has no report.
TEST_F(MainWindowFormTest, PrintFollowsTheActiveForm) {
  ws.registerForm("Frmeledata", [](Workspace& w) {
    return std::make_unique<PrintingForm>(w, "Frmeledata", "PRINT");
  });
  ws.registerForm("FrmBomList", [](Workspace& w) {
    return std::make_unique<PrintingForm>(w, "FrmBomList", "Command14");
  });
  registerPlain("frmOther");
  showMainWindow(ws);
  Control& print = main().control("PRINT");
  EXPECT_FALSE(print.enabled());
  main().userClick(print);  // greyed: nothing happens

  auto& electrical = ws.form<PrintingForm>("Frmeledata");
  electrical.show();
  EXPECT_TRUE(print.enabled());
  main().userClick(print);
  EXPECT_EQ(electrical.prints, 1);

  auto& cost = ws.form<PrintingForm>("FrmBomList");
  cost.show();
  main().userClick(print);
  EXPECT_EQ(cost.prints, 1);
  EXPECT_EQ(electrical.prints, 1);

  ws.form("frmOther").show();
  EXPECT_FALSE(print.enabled());
  ws.form(AboutForm::kName).show();
  EXPECT_FALSE(print.enabled());
}

// The cover, the about box and the status bar show the one version.
TEST_F(MainWindowFormTest, OneVersionOnTheCoverTheAboutBoxAndTheStatusBar) {
  ws.registerForm(CoverForm::kName, [](Workspace& w) { return std::make_unique<CoverForm>(w); });
  const std::string version = std::string("V") + product::kVersion;
  EXPECT_TRUE(panel(1).text().ends_with(version)) << panel(1).text();
  EXPECT_TRUE(ws.form(AboutForm::kName).control("lblVersion").caption().ends_with(version));
  bool onCover = false;
  for (Control* control : ws.form(CoverForm::kName).allControls())
    onCover = onCover || control->caption().ends_with(version);
  EXPECT_TRUE(onCover);
}

TEST_F(MainWindowFormTest, SystemInformationSaysWhenNoToolIsInstalled) {
  main().userClick(main().control("sys"));
  EXPECT_EQ(host.launches, 1);
  EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"此时系统信息不可用"});

  host.hasSystemInformation = true;
  Form& about = ws.form(AboutForm::kName);
  about.userClick(about.control("cmdSysInfo"));
  EXPECT_EQ(host.launches, 2);
  EXPECT_EQ(host.messages.size(), 1u);
}

}  // namespace
}  // namespace corvane
