#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSysInfo>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <cstdlib>

#include "app/qt/desktop_app.h"
#include "app/qt/form_view.h"
#include "app/qt/help_window.h"
#include "app/qt/main_window.h"
#include "desktop_app_fixture.h"
#include "model/form.h"
#include "qt_test_support.h"

namespace corvane {
namespace {

class DesktopAppTest : public testing::DesktopAppFixture {
 protected:
  static QList<QMdiSubWindow*> visibleChildren(DesktopApp& app) {
    QList<QMdiSubWindow*> shown;
    for (QMdiSubWindow* child : app.mainWindow()->mdiArea()->subWindowList())
      if (child->isVisible()) shown << child;
    return shown;
  }
  static void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  static QAction* menuAction(QMenuBar* bar, const char* name) {
    return bar->findChild<QAction*>(QString::fromUtf8(name));
  }
  // Saves a picture of a window for a person to look at, when asked to.
  static void saveShot(QWidget* window, const char* name) {
    if (const char* folder = std::getenv("CORVANE_SHOT_DIR"))
      window->grab().save(QString::fromUtf8(folder) + "/" + name + ".png");
  }
};

TEST_F(DesktopAppTest, MainWindowComesUpWithItsSixPanels) {
  DesktopApp& app = start(false);
  MainWindow* main = app.mainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(main->isVisible());
  EXPECT_TRUE(main->windowTitle().startsWith("Peak Corvane专家系统"));
  const char* texts[] = {
      "欢迎使用Peak Corvane专家系统V0.0.73", nullptr, nullptr, "您已操作：", "", "秒"};
  for (int i = 1; i <= 6; ++i) {
    auto* panel = main->findChild<QLabel*>(QString("St1(%1)").arg(i));
    ASSERT_NE(panel, nullptr) << i;
    EXPECT_TRUE(panel->isVisible()) << i;
    if (texts[i - 1]) {
      EXPECT_EQ(panel->text(), QString::fromUtf8(texts[i - 1])) << i;
    }
  }
  EXPECT_EQ(main->findChild<QLabel*>("St1(3)")->text(),
            QString::fromStdString(shortDateText(host.today())));
  saveShot(main, "main-window");
}

TEST_F(DesktopAppTest, CounterShowsThreeAfterThreeTicks) {
  DesktopApp& app = start(false);
  Form& form = *app.mainWindow()->form();
  QTimer* timer = app.mainWindow()->binding().timer(form.control("Tim1"));
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 1000);
  for (int i = 0; i < 3; ++i) form.tick(form.control("Tim1"));
  EXPECT_EQ(app.mainWindow()->findChild<QLabel*>("St1(5)")->text(), "3");
}

TEST_F(DesktopAppTest, MenuHoldsTheItemsWithTheirCaptions) {
  DesktopApp& app = start(false);
  QMenuBar* bar = app.mainWindow()->menuBar();
  QStringList top;
  for (QAction* action : bar->actions()) top << action->text();
  // the language menu follows the form's own, in both languages
  EXPECT_EQ(top,
            (QStringList{"文件", "编辑", "工具", "系统信息", "帮助", "关于", "语言 / Language"}));
  QMenu* file = bar->actions().at(0)->menu();
  ASSERT_NE(file, nullptr);
  QStringList items;
  int separators = 0;
  for (QAction* action : file->actions()) {
    if (!action->isVisible()) continue;
    if (action->isSeparator())
      ++separators;
    else
      items << action->text();
  }
  // no recent designs yet: their items and the separator below them are hidden
  EXPECT_EQ(items, (QStringList{"新建", "打开", "保存", "另存为…", "打印", "关闭"}));
  EXPECT_EQ(separators, 1);
  EXPECT_EQ(menuAction(bar, "OVER")->text(), "关闭");
  // nothing to undo yet: greyed, with every key of the entry
  QAction* undo = menuAction(bar, "UNDO");
  QAction* redo = menuAction(bar, "REDO");
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_EQ(undo->shortcuts(), (QList<QKeySequence>{QKeySequence("Ctrl+Z")}));
  EXPECT_EQ(redo->shortcuts(),
            (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
}

TEST_F(DesktopAppTest, SecondCopyIsRefusedWithoutAMainWindow) {
  testing::RecordingQtHost first(lockPath());
  DesktopApp running(first);
  running.start(false);
  ASSERT_TRUE(running.mainWindow()->isVisible());

  testing::RecordingQtHost second(lockPath());
  DesktopApp refused(second);
  refused.start(false);
  EXPECT_EQ(second.messages, std::vector<std::string>{"本专家系统软件已经在运行！"});
  EXPECT_TRUE(second.quitRequested());
  ASSERT_NE(refused.mainWindow(), nullptr);
  EXPECT_FALSE(refused.mainWindow()->isVisible());
  EXPECT_TRUE(first.messages.empty());
}

TEST_F(DesktopAppTest, LockLeftByACrashedCopyIsTakenOver) {
  QFile stale(lockPath());
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  // a process number no process has, on this machine
  stale.write("999999999\ncorvane\n" + QSysInfo::machineHostName().toUtf8() + "\n");
  stale.close();
  testing::RecordingQtHost taker(lockPath());
  EXPECT_FALSE(taker.anotherInstanceRunning());
  testing::RecordingQtHost next(lockPath());
  EXPECT_TRUE(next.anotherInstanceRunning());
}

TEST_F(DesktopAppTest, CoverClickOpensTheMainWindowOnce) {
  DesktopApp& app = start(true);
  FormView* cover = app.cover();
  ASSERT_NE(cover, nullptr);
  EXPECT_TRUE(cover->isVisible());
  EXPECT_FALSE(cover->mask().isEmpty());
  EXPECT_EQ(app.mainWindow(), nullptr);
  saveShot(cover, "cover");
  Form& coverForm = *cover->form();
  QPointer<QTimer> closeTimer = cover->binding().timer(coverForm.control("Timer1"));
  ASSERT_TRUE(closeTimer && closeTimer->isActive());

  QWidget* credit = cover->canvas()->findChild<QWidget*>("Label3(1)");
  QTest::mouseClick(credit, Qt::LeftButton);
  EXPECT_FALSE(closeTimer && closeTimer->isActive());
  MainWindow* main = app.mainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(main->isVisible());
  flushDeletes();
  EXPECT_EQ(app.cover(), nullptr);
  EXPECT_TRUE(closeTimer.isNull());
  EXPECT_EQ(app.mainWindow(), main);
}

TEST_F(DesktopAppTest, NewOpensTheElectricalFormAsAChildWindow) {
  DesktopApp& app = start(false);
  app.mainWindow()->resize(1120, 820);
  menuAction(app.mainWindow()->menuBar(), "NEW")->trigger();
  FormView* view = app.view("Frmeledata");
  ASSERT_NE(view, nullptr);
  auto* child = qobject_cast<QMdiSubWindow*>(view->parentWidget());
  ASSERT_NE(child, nullptr);
  EXPECT_TRUE(child->isVisible());
  EXPECT_EQ(visibleChildren(app).size(), 1);

  // every control of the form has its widget, each inside its frame
  Form& form = *view->form();
  for (Control* control : form.allControls()) {
    if (control->kind() == ControlKind::Timer) continue;
    bool shown = view->binding().widget(*control) || view->binding().action(*control);
    EXPECT_TRUE(shown) << control->address();
    QWidget* widget = view->binding().widget(*control);
    if (widget && !control->container().empty()) {
      EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromStdString(control->container()));
    }
  }
  auto* voltage = view->canvas()->findChild<QLineEdit*>("TXTUIN1");
  ASSERT_NE(voltage, nullptr);
  EXPECT_EQ(voltage->text(), "220");
  EXPECT_EQ(voltage->toolTip(), "请输入交流输入电压（V）");  // meaning and unit

  // the form's own reactions reach the widgets: two primaries and back
  auto* arrangement = view->canvas()->findChild<QCheckBox*>("Chkp");
  auto* second = view->canvas()->findChild<QLineEdit*>("TXTUIN2");
  QPoint box(6, arrangement->height() / 2);
  QTest::mouseClick(arrangement, Qt::LeftButton, {}, box);
  EXPECT_EQ(arrangement->text(), "双组输入");
  EXPECT_TRUE(arrangement->isChecked());
  QTest::mouseClick(arrangement, Qt::LeftButton, {}, box);
  EXPECT_EQ(arrangement->text(), "单组输入");
  EXPECT_TRUE(second->isHidden());
  QTest::keyClicks(view->canvas()->findChild<QLineEdit*>("txtudc(0)"), "12");
  QTest::keyClick(view->canvas()->findChild<QLineEdit*>("txtsiac(0)"), Qt::Key_Return);
  saveShot(app.mainWindow(), "main-with-electrical");
}

// "帮助" (F1) shows the manual installed with the program in a window of its
// own, at the chapter of the form in front; closing the window hides the form.
TEST_F(DesktopAppTest, HelpShowsTheManualAtTheChapterOfTheFormInFront) {
  DesktopApp& app = start(false);
  QMenuBar* bar = app.mainWindow()->menuBar();
  EXPECT_FALSE(menuAction(bar, "PRINT")->isEnabled());  // nothing to print yet
  menuAction(bar, "HELP")->trigger();
  HelpWindow* help = app.helpWindow();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_TRUE(help->browser()->toPlainText().contains("用户手册"))
      << help->browser()->toPlainText().left(200).toStdString();
  EXPECT_EQ(help->browser()->source().fragment(), "start");

  menuAction(bar, "NEW")->trigger();
  EXPECT_TRUE(menuAction(bar, "PRINT")->isEnabled());  // the parameter table
  menuAction(bar, "HELP")->trigger();
  EXPECT_EQ(help->browser()->source().fragment(), "electrical");
  EXPECT_FALSE(help->browser()->document()->isEmpty());
  help->close();
  EXPECT_FALSE(app.workspace().form("frmHelp").visible());
}

// Every screenshot of the manual, in either language, is found, fits the
// help window's width, and stands on a line of its own as tall as itself: a
// screenshot inline after its chapter's heading made the heading's line as
// tall as the picture (a window of blank under every heading), and a line
// height on the whole page added half a picture more.
TEST_F(DesktopAppTest, TheManualsScreenshotsFitTheWindowWithTheirTextRightBelow) {
  DesktopApp& app = start(false);
  for (Language language : {Language::Chinese, Language::English}) {
    app.setLanguage(language, false);
    menuAction(app.mainWindow()->menuBar(), "HELP")->trigger();
    HelpWindow* help = app.helpWindow();
    ASSERT_NE(help, nullptr);
    QTextDocument* manual = help->browser()->document();
    int pictures = 0;
    for (QTextBlock block = manual->begin(); block.isValid(); block = block.next())
      for (auto part = block.begin(); !part.atEnd(); ++part) {
        const QTextImageFormat picture = part.fragment().charFormat().toImageFormat();
        if (!picture.isValid()) continue;
        ++pictures;
        const QVariant image = manual->resource(QTextDocument::ImageResource, picture.name());
        EXPECT_TRUE(image.isValid()) << picture.name().toStdString();
        EXPECT_LE(picture.width(), help->browser()->viewport()->width());
        const QSizeF shown =
            image.value<QImage>().size().scaled(picture.width(), 1e6, Qt::KeepAspectRatio);
        const QRectF box = manual->documentLayout()->blockBoundingRect(block);
        EXPECT_LT(box.height(), 1.1 * shown.height()) << picture.name().toStdString();
      }
    EXPECT_EQ(pictures, 7);
    help->close();
  }
  app.setLanguage(Language::Chinese, false);
}

TEST_F(DesktopAppTest, ClosedFormTakesItsWindowAlong) {
  DesktopApp& app = start(false);
  menuAction(app.mainWindow()->menuBar(), "ABOUT")->trigger();
  FormView* about = app.view("frmAbout");
  ASSERT_NE(about, nullptr);
  QPointer<QWidget> window = about->parentWidget();
  EXPECT_TRUE(window->isVisible());
  EXPECT_NE(about->canvas()->findChild<QWidget*>("cmdSysInfo"), nullptr);
  saveShot(app.mainWindow(), "about");
  about->form()->setCaption("关于本程序");
  EXPECT_EQ(window->windowTitle(), "关于本程序");
  app.workspace().close("frmAbout");
  flushDeletes();
  EXPECT_TRUE(window.isNull());
  EXPECT_EQ(app.view("frmAbout"), nullptr);
  EXPECT_TRUE(visibleChildren(app).isEmpty());
}

TEST_F(DesktopAppTest, ClosingAChildWindowOnlyHidesItsForm) {
  DesktopApp& app = start(false);
  menuAction(app.mainWindow()->menuBar(), "ABOUT")->trigger();
  FormView* about = app.view("frmAbout");
  about->parentWidget()->close();
  flushDeletes();
  ASSERT_EQ(app.view("frmAbout"), about);
  EXPECT_FALSE(about->parentWidget()->isVisible());
  EXPECT_FALSE(about->form()->visible());
  menuAction(app.mainWindow()->menuBar(), "ABOUT")->trigger();
  EXPECT_TRUE(about->parentWidget()->isVisible());
}

TEST_F(DesktopAppTest, PressOnTheEmptyAreaCascadesTheWindows) {
  DesktopApp& app = start(false);
  app.mainWindow()->resize(1100, 850);
  menuAction(app.mainWindow()->menuBar(), "ABOUT")->trigger();
  menuAction(app.mainWindow()->menuBar(), "NEW")->trigger();
  QMdiArea* area = app.mainWindow()->mdiArea();
  for (QMdiSubWindow* child : visibleChildren(app)) child->move(300, 300);
  QTest::mousePress(area->viewport(), Qt::LeftButton, {},
                    QPoint(2, area->viewport()->height() - 2));
  QList<QMdiSubWindow*> children = visibleChildren(app);
  ASSERT_EQ(children.size(), 2);
  EXPECT_NE(children[0]->pos(), children[1]->pos());
  EXPECT_EQ(std::min(children[0]->pos().x(), children[1]->pos().x()), 0);
}

// A form a little taller than the document area (the electrical form at
// 1366×768) scrolls up and down; the free area beside it keeps its width whole.
TEST_F(DesktopAppTest, AFormTallerThanTheAreaScrollsOneWayOnly) {
  DesktopApp& app = start(false);
  app.mainWindow()->showNormal();
  app.mainWindow()->resize(1366, 768);
  QCoreApplication::processEvents();
  menuAction(app.mainWindow()->menuBar(), "NEW")->trigger();
  QCoreApplication::processEvents();
  FormView* electrical = app.view("Frmeledata");
  // an area 30 px shorter than the form, whatever the faces of this machine
  QMdiArea* area = app.mainWindow()->mdiArea();
  const int shorter = area->viewport()->height() - electrical->preferredSize().height() + 30;
  app.mainWindow()->resize(1366, app.mainWindow()->height() - shorter);
  QCoreApplication::processEvents();
  auto* scroll = electrical->findChild<QScrollArea*>();
  ASSERT_NE(scroll, nullptr);
  ASSERT_TRUE(scroll->verticalScrollBar()->isVisible());
  EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
}

TEST_F(DesktopAppTest, ChildWindowsOpenInsideASmallDocumentAreaAndScroll) {
  DesktopApp& app = start(false);
  app.mainWindow()->showNormal();
  app.mainWindow()->resize(1024, 700);
  QMdiArea* area = app.mainWindow()->mdiArea();
  menuAction(app.mainWindow()->menuBar(), "NEW")->trigger();
  menuAction(app.mainWindow()->menuBar(), "ToolsWire")->trigger();
  menuAction(app.mainWindow()->menuBar(), "ABOUT")->trigger();
  QList<QMdiSubWindow*> children = visibleChildren(app);
  ASSERT_EQ(children.size(), 3);
  for (QMdiSubWindow* child : children)
    EXPECT_TRUE(area->viewport()->rect().contains(child->geometry()))
        << child->windowTitle().toStdString();
  // the electrical form is taller than the area: its window fits, the form scrolls
  FormView* electrical = app.view("Frmeledata");
  EXPECT_GT(electrical->preferredSize().height(), area->viewport()->height());
  EXPECT_LE(electrical->parentWidget()->height(), area->viewport()->height());
  // a smaller main window takes its windows along
  app.mainWindow()->resize(800, 600);
  QCoreApplication::processEvents();
  for (QMdiSubWindow* child : visibleChildren(app))
    EXPECT_TRUE(area->viewport()->rect().contains(child->geometry()))
        << child->windowTitle().toStdString();
  saveShot(app.mainWindow(), "small-area");
}

// A form taller than the room below its cascade place starts at the top of
// the document area and takes its whole height before it scrolls.
TEST_F(DesktopAppTest, AWindowTheCascadeWouldCutUsesTheWholeArea) {
  DesktopApp& app = start(false);
  app.mainWindow()->showNormal();
  app.mainWindow()->resize(1024, 700);
  QMdiArea* area = app.mainWindow()->mdiArea();
  menuAction(app.mainWindow()->menuBar(), "Tools")->trigger();  // the first cascade place
  menuAction(app.mainWindow()->menuBar(), "NEW")->trigger();
  QWidget* electrical = app.view("Frmeledata")->parentWidget();
  ASSERT_GT(app.view("Frmeledata")->preferredSize().height(), area->viewport()->height());
  EXPECT_EQ(electrical->y(), 0);
  EXPECT_EQ(electrical->height(), area->viewport()->height());
}

TEST_F(DesktopAppTest, ToolsMenuBringsAnOpenFormToTheFront) {
  DesktopApp& app = start(false);
  QMdiArea* area = app.mainWindow()->mdiArea();
  menuAction(app.mainWindow()->menuBar(), "ToolsWire")->trigger();
  QWidget* tools = app.view("FrmWireTools")->parentWidget();
  menuAction(app.mainWindow()->menuBar(), "ABOUT")->trigger();
  ASSERT_NE(area->activeSubWindow(), tools);
  menuAction(app.mainWindow()->menuBar(), "ToolsWire")->trigger();
  EXPECT_EQ(area->activeSubWindow(), tools);
}

TEST_F(DesktopAppTest, NewElectricalFormTakesTypingInItsFirstValue) {
  DesktopApp& app = start(false);
  app.mainWindow()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(app.mainWindow()));
  menuAction(app.mainWindow()->menuBar(), "NEW")->trigger();
  // the first value of the output table: the group's name comes after it
  auto* voltage = app.view("Frmeledata")->canvas()->findChild<QLineEdit*>("txtudc(0)");
  ASSERT_TRUE(QTest::qWaitFor([voltage] { return QApplication::focusWidget() == voltage; }, 2000));
  QTest::keyClicks(QApplication::focusWidget(), "230");
  EXPECT_EQ(app.view("Frmeledata")->form()->control("txtudc", 0).text(), "230");
}

TEST_F(DesktopAppTest, MenusShowTheStandardKeys) {
  DesktopApp& app = start(false);
  QMenuBar* bar = app.mainWindow()->menuBar();
  EXPECT_EQ(menuAction(bar, "NEW")->shortcut(), QKeySequence(QKeySequence::New));
  EXPECT_EQ(menuAction(bar, "OPEN")->shortcut(), QKeySequence(QKeySequence::Open));
  EXPECT_EQ(menuAction(bar, "SAVE")->shortcut(), QKeySequence(QKeySequence::Save));
  EXPECT_EQ(menuAction(bar, "HELP")->shortcut(), QKeySequence(Qt::Key_F1));
  menuAction(bar, "NEW")->trigger();
  QMenuBar* own = app.view("Frmeledata")->menuBar();
  ASSERT_NE(own, nullptr);
  QAction* print = own->findChild<QAction*>("PRINT");
  ASSERT_NE(print, nullptr);
  EXPECT_EQ(print->shortcut(), QKeySequence(QKeySequence::Print));
}

TEST_F(DesktopAppTest, MainWindowFitsTheScreensFreeArea) {
  DesktopApp& app = start(false);
  MainWindow* main = app.mainWindow();
  const QRect free = main->screen()->availableGeometry();
  EXPECT_TRUE(free.contains(main->frameGeometry()))
      << main->frameGeometry().width() << "x" << main->frameGeometry().height() << " in "
      << free.width() << "x" << free.height();
}

}  // namespace
}  // namespace corvane
