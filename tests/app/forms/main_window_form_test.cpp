#include <gtest/gtest.h>

#include "app/forms/about_form.h"
#include "app/forms/main_window_form.h"
#include "model/workspace.h"
#include "support/fake_host.h"

namespace corvane {
namespace {

// A stand-in for a design form the menu opens.
class PlainForm : public Form {
 public:
  PlainForm(Workspace& ws, std::string name) : Form(ws, std::move(name), "plain") {}
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
  EXPECT_EQ(panel(1).text(), "欢迎使用Peak Corvane专家系统V1.0.0.73");
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

TEST_F(MainWindowFormTest, HelpShowsTheAboutBoxAndOkHidesIt) {
  main().userClick(main().control("HELP"));
  Form& about = ws.form(AboutForm::kName);
  EXPECT_TRUE(about.visible());
  EXPECT_EQ(about.control("lblVersion").caption(), "版本V0.0.73");
  EXPECT_EQ(about.control("cmdOK").caption(), "确定");
  EXPECT_EQ(about.control("cmdSysInfo").caption(), "系统信息(&S)...");
  about.userClick(about.control("cmdOK"));
  EXPECT_FALSE(about.visible());
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
