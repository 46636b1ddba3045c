#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "app/forms/help_form.h"
#include "app/qt/form_view.h"
#include "app/qt/help_window.h"
#include "app/qt/interface_language.h"
#include "app/qt/main_window.h"
#include "app/qt/qt_host.h"
#include "app/script/script_driver.h"
#include "app/script/scripted_host.h"
#include "bobbin/frmbobbin.h"
#include "desktop_app_fixture.h"
#include "model/design_history.h"
#include "model/form.h"
#include "model/project_file.h"
#include "model/step_label.h"
#include "model/translator.h"

namespace corvane {
namespace {

class EnglishInterfaceTest : public testing::DesktopAppFixture {
 protected:
  // Drives the program's workspace with a walk script's lines, as the user
  // would; the reports are left out (their printer dialog would wait).
  void drive(DesktopApp& app, const char* script) {
    std::ifstream in(std::string(CORVANE_SOURCE_DIR) + "/translations/" + script);
    ASSERT_TRUE(in) << script;
    ScriptedHost unused;
    std::ostringstream transcript;
    ScriptEnvironment environment;
    environment.fileAnswers = false;
    ScriptDriver driver(app.workspace(), unused, transcript, environment);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
      ++number;
      const bool prints = line.find("打印") != std::string::npos ||
                          line.find("制作清单") != std::string::npos ||
                          line.find(".Pr") != std::string::npos;
      // nor the program's end and the system's own tool
      const bool leaves = line.find("MDIForm1.OVER") != std::string::npos ||
                          line.find("MDIForm1.sys") != std::string::npos;
      if (prints || leaves) continue;
      // the program's own host asks the questions
      if (line == "answer yes") host.questions.push_back(true);
      ASSERT_TRUE(driver.runLine(line, number)) << transcript.str();
    }
  }

  // Every text a window shows the user, but the values of its fields.
  static void collectChinese(QWidget* window, QStringList& found) {
    const QMenu* languages = window->findChild<QMenu*>("languageMenu");
    auto note = [&](const QObject* where, const QString& text) {
      // the language menu names each language in itself, on purpose
      if (languages && text == languages->title()) return;
      if (containsCjk(text.toStdString())) found << where->objectName() + ": " + text;
    };
    note(window, window->windowTitle());
    for (QWidget* widget : window->findChildren<QWidget*>()) {
      if (!widget->isVisibleTo(window)) continue;
      note(widget, widget->toolTip());
      if (auto* label = qobject_cast<QLabel*>(widget)) note(label, label->text());
      if (auto* button = qobject_cast<QAbstractButton*>(widget)) note(button, button->text());
      if (auto* frame = qobject_cast<QGroupBox*>(widget)) note(frame, frame->title());
      if (auto* child = qobject_cast<QMdiSubWindow*>(widget)) note(child, child->windowTitle());
      if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        for (int i = 0; i < combo->count(); ++i) note(combo, combo->itemText(i));
        if (!combo->isEditable()) note(combo, combo->currentText());
      }
      if (auto* list = qobject_cast<QListWidget*>(widget))
        for (int i = 0; i < list->count(); ++i) note(list, list->item(i)->text());
    }
    for (QMenu* menu : window->findChildren<QMenu*>()) {
      if (menu == languages) continue;
      note(menu, menu->title());
      for (QAction* action : menu->actions())
        if (action->isVisible()) note(action, action->text());
    }
  }

  // Saves a picture of every form's window for a person to look at, when asked to.
  static void saveShots(DesktopApp& app, const char* design) {
    const char* folder = std::getenv("CORVANE_SHOT_DIR");
    if (!folder) return;
    for (QMdiSubWindow* child : app.mainWindow()->mdiArea()->subWindowList())
      if (auto* view = dynamic_cast<FormView*>(child->widget()); view && view->form())
        view->grab().save(QString("%1/%2-%3.png")
                              .arg(folder, design, QString::fromStdString(view->form()->name())));
  }

  // The design of a script driven in English, every window checked for
  // Chinese and shot, the shots' names starting with `shots`.
  DesktopApp& designInEnglish(const char* script, const char* shots) {
    DesktopApp& app = start(false);
    EXPECT_TRUE(app.setLanguage(Language::English, false));
    drive(app, script);
    expectNoChineseShown(app);
    saveShots(app, shots);
    return app;
  }

  void expectNoChineseShown(DesktopApp& app) {
    QStringList found;
    collectChinese(app.mainWindow(), found);
    EXPECT_TRUE(found.isEmpty()) << found.size() << " Chinese texts shown in English, first:\n"
                                 << found.mid(0, 25).join('\n').toStdString();
  }
};

TEST_F(EnglishInterfaceTest, EveryWindowOfTheTypicalDesignShowsNoChinese) {
  DesktopApp& app = designInEnglish("typical_design.cvs", "typical");
  EXPECT_EQ(app.mainWindow()->findChild<QLabel*>("St1(6)")->text(), "s");
  app.setLanguage(Language::Chinese, false);
}

TEST_F(EnglishInterfaceTest, WordsTheProgramWritesIntoFieldsReadEnglishButStayChineseInTheForm) {
  DesktopApp& app = start(false);
  ASSERT_TRUE(app.setLanguage(Language::English, false));
  drive(app, "typical_design.cvs");
  auto shownText = [&](const char* formName, const char* name, int row) {
    FormView* view = app.view(formName);
    if (!view) return QString("no view of ") + formName;
    auto* edit = qobject_cast<QLineEdit*>(view->binding().widget(view->form()->control(name, row)));
    return edit ? edit->text() : QString("no field");
  };
  Form& operating = app.workspace().form("FrmOperating");
  Form& bobbin = app.workspace().form("Frmbobbin");
  // a verdict, a rectifier, the adapter's class: each in the terms of its own context
  EXPECT_EQ(shownText("FrmOperating", "Verdict", 1).toStdString(),
            operating.control("Verdict", 1).text() == "过热" ? "Overheating" : "Safe");
  EXPECT_EQ(shownText("FrmOperating", "GroupCircuit", 0), "Bridge C");
  EXPECT_EQ(shownText("FrmOperating", "AdapterClass", -1), "Basic-voltage");
  EXPECT_EQ(shownText("Frmbobbin", "TxtBTY", -1), "Drawer type");
  EXPECT_EQ(bobbin.control("TxtBTY").text(), "抽屉型");
  app.setLanguage(Language::Chinese, false);
  EXPECT_EQ(shownText("Frmbobbin", "TxtBTY", -1), "抽屉型");
}

TEST_F(EnglishInterfaceTest, EveryWindowOfTheNineGroupDesignShowsNoChinese) {
  designInEnglish("nine_groups.cvs", "nine").setLanguage(Language::Chinese, false);
}

TEST_F(EnglishInterfaceTest, EveryStepTheEditMenuCanNameReadsEnglish) {
  DesktopApp& app = start(false);
  ASSERT_TRUE(app.setLanguage(Language::English, false));
  drive(app, "nine_groups.cvs");
  // every field and command of every form, each verb, and each form's opening
  QStringList found;
  size_t names = 0;
  for (const std::string& name : app.workspace().formNames())
    for (const StepName& step : possibleStepNames(app.workspace().form(name))) {
      ++names;
      const std::string shown = shownStepText(step, interfaceTranslator());
      if (containsCjk(shown)) found << QString::fromStdString(name + ": " + shown);
    }
  EXPECT_GT(names, 1000u);
  EXPECT_TRUE(found.isEmpty()) << found.size() << " step names in Chinese, first:\n"
                               << found.mid(0, 25).join('\n').toStdString();
  // the menu as the user reads it after a step and its undo
  Form& structure = app.workspace().form("Frmjiegou");
  structure.userSetText(structure.control("TXTTURN", 2), "31");
  QAction* undo = app.mainWindow()->findChild<QAction*>("UNDO");
  QAction* redo = app.mainWindow()->findChild<QAction*>("REDO");
  ASSERT_NE(undo, nullptr);
  ASSERT_NE(redo, nullptr);
  EXPECT_EQ(undo->text(), "Undo Edit Turns Ts(2)");
  app.workspace().history().undo();
  EXPECT_EQ(redo->text(), "Redo Edit Turns Ts(2)");
  app.setLanguage(Language::Chinese, false);
  EXPECT_EQ(redo->text(), "重做 修改 圈数Ts(2)");
}

TEST_F(EnglishInterfaceTest, SwitchingLanguageRetitlesOpenWindowsButLeavesEveryValue) {
  DesktopApp& app = start(false);
  drive(app, "typical_design.cvs");
  FormView* electrical = app.view("Frmeledata");
  ASSERT_NE(electrical, nullptr);
  Form& form = *electrical->form();
  auto* input = qobject_cast<QLineEdit*>(electrical->binding().widget(form.control("TXTUIN1")));
  auto* rectifier =
      qobject_cast<QComboBox*>(electrical->binding().widget(form.control("CMBZL", 0)));
  ASSERT_NE(input, nullptr);
  ASSERT_NE(rectifier, nullptr);
  const std::string design = form.control("CMBZL", 0).text();

  ASSERT_TRUE(app.setLanguage(Language::English, false));
  EXPECT_EQ(rectifier->currentText(), "Bridge C");
  EXPECT_EQ(input->text(), "220");
  EXPECT_TRUE(app.mainWindow()->windowTitle().startsWith("Peak Corvane expert system"));
  // what the form holds is the Chinese design value whatever is shown
  EXPECT_EQ(form.control("CMBZL", 0).text(), design);

  app.setLanguage(Language::Chinese, false);
  EXPECT_EQ(rectifier->currentText(), QString::fromStdString(design));
  EXPECT_TRUE(app.mainWindow()->windowTitle().startsWith("Peak Corvane专家系统"));
}

// The help window stands apart from the main window: it is titled in the
// language shown, and titled again when the language changes. It shows the
// manual in the language shown, at the chapter of the form in front, and
// the other manual at the same chapter when the language changes.
TEST_F(EnglishInterfaceTest, TheHelpWindowIsTitledInTheLanguageShown) {
  DesktopApp& app = start(false);
  ASSERT_TRUE(app.setLanguage(Language::English, false));
  QMenuBar* bar = app.mainWindow()->menuBar();
  bar->findChild<QAction*>("NEW")->trigger();
  bar->findChild<QAction*>("HELP")->trigger();
  HelpWindow* help = app.helpWindow();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->windowTitle(), "Help - Peak Corvane expert system");
  EXPECT_EQ(help->browser()->source().fileName(), "index_en.html");
  EXPECT_EQ(help->browser()->source().fragment(), "electrical");
  const QString english = help->browser()->toPlainText();
  EXPECT_TRUE(english.contains("User manual")) << english.left(200).toStdString();
  EXPECT_FALSE(english.contains("用户手册"));

  app.setLanguage(Language::Chinese, false);
  EXPECT_EQ(help->windowTitle(), "帮助 - Peak Corvane专家系统");
  EXPECT_EQ(help->browser()->source().fileName(), "index.html");
  EXPECT_EQ(help->browser()->source().fragment(), "electrical");
  EXPECT_TRUE(help->browser()->toPlainText().contains("用户手册"));

  // a window opened in Chinese turns English with the interface
  app.setLanguage(Language::English, false);
  EXPECT_EQ(help->browser()->source().fileName(), "index_en.html");
  EXPECT_EQ(help->browser()->source().fragment(), "electrical");
}

// The ids and in-page links of one manual file.
std::set<std::string> manualAnchors(const std::string& file, const char* pattern) {
  std::ifstream in(std::string(CORVANE_SOURCE_DIR) + "/docs/manual/" + file);
  EXPECT_TRUE(in) << file;
  std::stringstream text;
  text << in.rdbuf();
  const std::string html = text.str();
  std::set<std::string> anchors;
  const std::regex anchor(pattern);
  for (auto it = std::sregex_iterator(html.begin(), html.end(), anchor);
       it != std::sregex_iterator(); ++it)
    anchors.insert((*it)[1]);
  return anchors;
}

// The help window jumps to a chapter by its anchor in whichever manual it
// shows: the English manual has every anchor of the Chinese one, each link
// of either lands on an anchor, and every form's chapter is there.
TEST(ManualTest, TheEnglishManualHasEveryChapterOfTheChineseOne) {
  const char* ids = R"re(\bid="([^"]+)")re";
  const char* links = R"re(href="#([^"]+)")re";
  const std::set<std::string> chinese = manualAnchors(kManualFile, ids);
  const std::set<std::string> english = manualAnchors(kEnglishManualFile, ids);
  EXPECT_GE(chinese.size(), 10u);
  EXPECT_EQ(english, chinese);
  for (const char* file : {kManualFile, kEnglishManualFile})
    for (const std::string& link : manualAnchors(file, links))
      EXPECT_TRUE(chinese.count(link)) << file << " links to #" << link;
  for (const char* form : {forms::kElectrical, forms::kCore, forms::kBobbin, forms::kStructure,
                           forms::kOperating, forms::kCost, forms::kWireTools, forms::kAbout})
    EXPECT_TRUE(english.count(std::string(helpChapterOf(form)))) << form;
}

// A file dialog's filters name their files in the language shown.
TEST_F(EnglishInterfaceTest, FileDialogFiltersReadEnglish) {
  start(false).setLanguage(Language::English, false);
  EXPECT_EQ(QtHost::qtFilter(kProjectFileFilter), "Corvane design file (*.cvd);;All files (*)");
  EXPECT_EQ(QtHost::qtFilter(Frmbobbin::kCatalogueFilter),
            "Bobbin catalogue (*.sqlite *.db *.mdb);;All files (*)");
}

TEST_F(EnglishInterfaceTest, TheChoiceIsRememberedAndTheCommandLineOverridesItForOneRun) {
  EXPECT_EQ(host.storedLanguage(), std::nullopt);
  DesktopApp& app = start(false);
  QMenu* menu = app.mainWindow()->findChild<QMenu*>("languageMenu");
  ASSERT_NE(menu, nullptr);
  QAction* english = menu->findChild<QAction*>("language_en");
  ASSERT_NE(english, nullptr);
  english->trigger();
  EXPECT_EQ(app.language(), Language::English);
  EXPECT_TRUE(english->isChecked());
  EXPECT_EQ(host.storedLanguage(), Language::English);
  // a run with --lang zh does not store its language
  app.setLanguage(Language::Chinese, false);
  EXPECT_EQ(host.storedLanguage(), Language::English);

  EXPECT_EQ(InterfaceLanguage::atStart(Language::Chinese, Language::English), Language::Chinese);
  EXPECT_EQ(InterfaceLanguage::atStart(std::nullopt, Language::English), Language::English);
  EXPECT_EQ(InterfaceLanguage::ofLocale(QLocale(QLocale::Chinese, QLocale::Taiwan)),
            Language::Chinese);
  EXPECT_EQ(InterfaceLanguage::ofLocale(QLocale(QLocale::German)), Language::English);
}

}  // namespace
}  // namespace corvane
