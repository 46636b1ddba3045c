// The whole design in the desktop program: the close button asks about
// unsaved changes, a reopened design shows its windows as saved, the recent
// designs sit in the file menu, and a design left by an abnormal end is
// offered back at the next start.
#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>

#include "app/qt/desktop_app.h"
#include "app/qt/form_view.h"
#include "app/qt/main_window.h"
#include "model/design_session.h"
#include "model/form.h"
#include "model/workspace.h"
#include "qt_test_support.h"

namespace corvane {
namespace {

class ProjectWindowTest : public ::testing::Test {
 protected:
  ProjectWindowTest() { testing::qtApp(); }

  std::unique_ptr<testing::RecordingQtHost> host() const {
    return std::make_unique<testing::RecordingQtHost>(dir.filePath("corvane.lock"));
  }
  static void set(DesktopApp& app, const char* form, const char* name, const char* text,
                  int row = -1) {
    Form& f = app.workspace().form(form);
    f.userSetText(f.control(name, row), text);
  }
  static void click(DesktopApp& app, const char* form, const char* name) {
    Form& f = app.workspace().form(form);
    f.userClick(f.control(name));
  }
  static QString title(DesktopApp& app) { return app.mainWindow()->windowTitle(); }
  static QLineEdit* field(DesktopApp& app, const char* form, const char* name) {
    return app.view(form)->canvas()->findChild<QLineEdit*>(name);
  }
  static void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  std::string file(const char* name) const { return dir.filePath(name).toStdString(); }
  // A new design with the first group's DC voltage typed: a change not yet saved.
  static void newDesign(DesktopApp& app, const char* volts) {
    click(app, "MDIForm1", "NEW");
    set(app, "Frmeledata", "txtudc", volts, 0);
  }
  // Saves the design as d.cvd and ends the program through "关闭".
  void saveAndEnd(DesktopApp& app, testing::RecordingQtHost& recording) const {
    recording.files = {file("d.cvd")};
    click(app, "MDIForm1", "SAVE");
    click(app, "MDIForm1", "OVER");
  }

  QTemporaryDir dir;
};

TEST_F(ProjectWindowTest, TheCloseButtonAsksAndCancelKeepsTheProgram) {
  auto recording = host();
  DesktopApp app(*recording);
  app.start(false);
  newDesign(app, "12");
  EXPECT_EQ(title(app), "Peak Corvane专家系统 - 未命名设计*");

  recording->threeWayAnswers = {Answer::Cancel};
  app.mainWindow()->close();
  EXPECT_TRUE(app.mainWindow()->isVisible());
  EXPECT_FALSE(recording->quitRequested());
  EXPECT_EQ(recording->questionsAsked, std::vector<std::string>{DesignSession::kUnsavedQuestion});

  recording->threeWayAnswers = {Answer::Yes};
  recording->files = {file("d.cvd")};
  app.mainWindow()->close();
  EXPECT_TRUE(recording->quitRequested());
  EXPECT_FALSE(app.mainWindow()->isVisible());
  EXPECT_TRUE(std::filesystem::exists(file("d.cvd")));
}

TEST_F(ProjectWindowTest, AReopenedDesignShowsItsWindowsAsSaved) {
  {
    auto recording = host();
    DesktopApp app(*recording);
    app.start(false);
    newDesign(app, "12");
    click(app, "Frmeledata", "cmdcore");  // the core form in front, the electrical one hidden
    set(app, "Frmcore", "TxtB", "30");
    saveAndEnd(app, *recording);
  }
  auto recording = host();
  DesktopApp app(*recording);
  app.start(false);
  app.openProjectFile(file("d.cvd"));
  settle();
  EXPECT_EQ(title(app), "Peak Corvane专家系统 - d.cvd");
  FormView* core = app.view("Frmcore");
  ASSERT_NE(core, nullptr);
  EXPECT_TRUE(core->parentWidget()->isVisible());
  EXPECT_FALSE(app.view("Frmeledata")->parentWidget()->isVisible());
  EXPECT_EQ(app.mainWindow()->mdiArea()->activeSubWindow(), core->parentWidget());
  EXPECT_EQ(field(app, "Frmcore", "TxtB")->text(), "30");
  EXPECT_EQ(field(app, "Frmeledata", "txtudc(0)")->text(), "12");
  EXPECT_FALSE(app.workspace().session().hasUnsavedChanges());

  // the file menu lists it, and picking it again opens it without a question
  QMenu* menu = app.mainWindow()->menuBar()->actions().at(0)->menu();
  QAction* recent = nullptr;
  for (QAction* action : menu->actions())
    if (action->objectName() == "RECENT(1)") recent = action;
  ASSERT_NE(recent, nullptr);
  EXPECT_TRUE(recent->isVisible());
  EXPECT_EQ(recent->text().toStdString(), "1 " + file("d.cvd"));
  recent->trigger();
  settle();
  EXPECT_TRUE(recording->questionsAsked.empty());
  if (const char* folder = std::getenv("CORVANE_SHOT_DIR")) {
    app.mainWindow()->resize(1366, 768);
    menu->popup(app.mainWindow()->mapToGlobal(QPoint(0, 20)));
    settle();
    app.mainWindow()->grab().save(QString::fromUtf8(folder) + "/reopened.png");
    menu->grab().save(QString::fromUtf8(folder) + "/file-menu.png");
    menu->hide();
  }
}

// Each window shown by the reopening wants the focus in its first field; only
// the one in front may take it, or a window behind would come to the front
// and run its activation (the bobbin form looks its bobbin up afresh), so the
// design would change by being opened.
TEST_F(ProjectWindowTest, ReopeningSeveralWindowsChangesNothing) {
  {
    auto recording = host();
    DesktopApp app(*recording);
    app.start(false);
    newDesign(app, "12");
    click(app, "Frmeledata", "cmdcore");
    click(app, "Frmcore", "CMDBB");
    app.workspace().form("Frmcore").show();
    app.workspace().form("Frmeledata").show();  // in front, two windows behind it
    settle();
    saveAndEnd(app, *recording);
  }
  auto recording = host();
  DesktopApp app(*recording);
  app.start(false);
  app.openProjectFile(file("d.cvd"));
  for (int i = 0; i < 5; ++i) settle();
  EXPECT_EQ(app.workspace().activeForm(), &app.workspace().form("Frmeledata"));
  EXPECT_FALSE(app.workspace().session().hasUnsavedChanges());
  EXPECT_EQ(title(app).toStdString(), "Peak Corvane专家系统 - d.cvd");
}

TEST_F(ProjectWindowTest, ADesignLeftByAnAbnormalEndIsOfferedBack) {
  {
    auto crashed = host();
    DesktopApp app(*crashed);
    app.start(false);
    newDesign(app, "24");
    Form& main = *app.mainWindow()->form();
    main.tick(main.control("Tim1"));
    ASSERT_TRUE(std::filesystem::exists(app.workspace().session().recoveryPath()));
  }  // gone without "关闭": the recovery copy stays behind

  auto recording = host();
  recording->questions = {true};
  DesktopApp app(*recording);
  app.start(false);
  settle();
  EXPECT_EQ(recording->questionsAsked, std::vector<std::string>{DesignSession::kRecoveryQuestion});
  ASSERT_NE(app.view("Frmeledata"), nullptr);
  EXPECT_TRUE(app.view("Frmeledata")->parentWidget()->isVisible());
  EXPECT_EQ(field(app, "Frmeledata", "txtudc(0)")->text(), "24");
  EXPECT_EQ(title(app), "Peak Corvane专家系统 - 未命名设计*");

  // a normal end takes the copy away: the next start asks nothing
  recording->threeWayAnswers = {Answer::No};
  app.mainWindow()->close();
  EXPECT_FALSE(std::filesystem::exists(app.workspace().session().recoveryPath()));
}

}  // namespace
}  // namespace corvane
