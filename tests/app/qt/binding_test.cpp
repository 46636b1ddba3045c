#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <stdexcept>

#include "app/qt/form_view.h"
#include "model/picture.h"
#include "model/print_surface.h"
#include "model/programming_error.h"
#include "model/workspace.h"
#include "qt_test_support.h"
#include "support/fake_host.h"

namespace corvane {
namespace {

Geometry at(int left, int top, int width = 1200, int height = 270) {
  return {left, top, width, height};
}

// A small form with an entry chain txtA -> txtB -> txtC, a list, a check box,
// a frame holding a field, a control array, a picture, a timer and a menu.
class ChainForm : public Form {
 public:
  explicit ChainForm(Workspace& ws) : Form(ws, "frmChain", "链") {
    addControl("txtA", ControlKind::TextBox, {.geometry = at(120, 120)});
    addControl("txtB", ControlKind::TextBox, {.geometry = at(120, 480)});
    addControl("txtC", ControlKind::TextBox, {.geometry = at(120, 840)});
    addControl("cmbList", ControlKind::ComboBox,
               {.geometry = at(1500, 120), .items = {"无", "硅管"}, .listIndex = 0});
    // a narrow list of long steel-grade standards
    addControl("cmbGrade", ControlKind::ComboBox,
               {.geometry = at(1500, 840, 600),
                .items = {"JISC2552-1975", "50H600", "50RM600"},
                .listIndex = 0});
    addControl("chkP", ControlKind::CheckBox, {.caption = "S", .geometry = at(1500, 480)});
    // the frame comes after the field it holds
    addControl("txtIn", ControlKind::TextBox,
               {.geometry = at(150, 300, 900), .container = "Frame1"});
    addControl("Frame1", ControlKind::Frame,
               {.caption = "输入参数", .geometry = at(3000, 120, 2400, 900)});
    addArray("txtRow", ControlKind::TextBox, {.geometry = at(120, 1440)});
    addControl("picBox", ControlKind::PictureBox, {.geometry = at(3000, 1200, 1500, 1500)});
    addControl("tmrPulse", ControlKind::Timer, {.interval = 250});
    addControl("mnuFile", ControlKind::MenuItem, {.caption = "文件"});
    addControl("mnuOpen", ControlKind::MenuItem, {.caption = "打开", .menuParent = "mnuFile"});
    addControl("mnuPrint", ControlKind::MenuItem,
               {.caption = "打印", .menuParent = "mnuFile", .shortcut = "Ctrl+P"});
    addControl("mnuHelp", ControlKind::MenuItem, {.caption = "帮助"});
    addControl("cmdFault", ControlKind::CommandButton,
               {.caption = "故障", .geometry = at(4800, 120)});
    addControl("cmdBack", ControlKind::CommandButton,
               {.caption = "上一步", .geometry = at(4800, 480)});

    on(EventKind::Change, "txtA", [this](Control& c, const EventArgs&) {
      ++changesOfA;
      control("txtB").setText(c.text() + "!");
    });
    on(EventKind::Enter, "txtA", [this](Control&, const EventArgs&) { setFocus(control("txtB")); });
    on(EventKind::Enter, "txtB", [this](Control&, const EventArgs&) { setFocus(control("txtC")); });
    on(EventKind::GotFocus, "txtB", [this](Control&, const EventArgs&) { ++focusesOfB; });
    on(EventKind::Choose, "cmbList", [this](Control&, const EventArgs&) { ++choices; });
    on(EventKind::Click, "chkP",
       [](Control& c, const EventArgs&) { c.setCaption(c.value() == 1 ? "P" : "S"); });
    on(EventKind::Click, "mnuHelp", [this](Control&, const EventArgs&) { ++helps; });
    on(EventKind::Click, "mnuPrint", [this](Control&, const EventArgs&) { ++prints; });
    holdsText({"txtC"});
    on(EventKind::KeyPress, "txtC", [this](Control& c, const EventArgs& args) {
      keysSeen.push_back(c.text() + "+" + args.keyChar);
    });
    on(EventKind::KeyDown, "txtC",
       [this](Control&, const EventArgs& args) { keyCodes.push_back(args.keyCode); });
    // faults of the program, not of the design
    on(EventKind::Click, "cmdFault", [this](Control&, const EventArgs&) {
      ++faults;
      if (faults == 1) throw ProgrammingError("frmChain has no control txtNowhere");
      if (faults == 2) throw std::out_of_range("vector index 12");
      throw 42;
    });
    on(EventKind::Enter, "txtIn",
       [](Control&, const EventArgs&) { throw std::runtime_error("no such row"); });
    // the form's window goes away, then the reaction meets a fault
    on(EventKind::Click, "cmdBack", [this](Control&, const EventArgs&) {
      closing();
      throw ProgrammingError("frmChain has no control txtGone");
    });
  }
  std::vector<std::string> keysSeen;
  std::vector<int> keyCodes;
  int changesOfA = 0;
  int focusesOfB = 0;
  int choices = 0;
  int helps = 0;
  int prints = 0;
  int faults = 0;
  std::function<void()> closing;
};

class BindingTest : public ::testing::Test {
 protected:
  BindingTest() {
    testing::qtApp();
    ws.registerForm("frmChain", [](Workspace& w) { return std::make_unique<ChainForm>(w); });
    form = &ws.form<ChainForm>("frmChain");
    view = std::make_unique<FormView>(*form);
  }
  template <class W>
  W* widget(const char* name) {
    return view->canvas()->findChild<W*>(QString::fromUtf8(name));
  }
  // Waits for the event loop to move the focus to the widget: the field its
  // window gives the keyboard to whenever the window is active.
  static bool focusReaches(QWidget* target) {
    return QTest::qWaitFor([target] { return target->window()->focusWidget() == target; }, 2000);
  }
  void activate() {
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
  }
  void showAndActivate() {
    view->show();
    activate();
  }
  // The window shown first, then the form opened in it, as the program opens one.
  void openAndActivate() {
    view->show();
    form->show();
    activate();
  }

  testing::FakeHost host;
  Workspace ws{host};
  ChainForm* form = nullptr;
  std::unique_ptr<FormView> view;
};

TEST_F(BindingTest, ModelWriteShowsInTheWidgetWithoutEcho) {
  form->userSetText(form->control("txtA"), "12");
  EXPECT_EQ(widget<QLineEdit>("txtA")->text(), "12");
  EXPECT_EQ(widget<QLineEdit>("txtB")->text(), "12!");
  EXPECT_EQ(form->changesOfA, 1);  // the widget update did not come back as an edit
}

TEST_F(BindingTest, TypingSetsTheFieldAndRunsItsChangeReaction) {
  QTest::keyClicks(widget<QLineEdit>("txtA"), "35");
  EXPECT_EQ(form->control("txtA").text(), "35");
  EXPECT_EQ(form->control("txtB").text(), "35!");
  EXPECT_EQ(form->changesOfA, 2);  // one change per key
}

TEST_F(BindingTest, EnterMovesTheFocusAlongTheChainAndSelectsTheText) {
  showAndActivate();
  form->userSetText(form->control("txtA"), "7");
  auto* a = widget<QLineEdit>("txtA");
  a->setFocus();
  QTest::keyClick(a, Qt::Key_Return);
  EXPECT_EQ(form->focused(), &form->control("txtB"));
  auto* b = widget<QLineEdit>("txtB");
  EXPECT_TRUE(b->hasFocus());
  EXPECT_EQ(b->selectedText(), "7!");
  EXPECT_EQ(form->focusesOfB, 1);  // the focus the model moved is not reported back
  QTest::keyClick(b, Qt::Key_Enter);
  EXPECT_TRUE(widget<QLineEdit>("txtC")->hasFocus());
  EXPECT_EQ(form->focused(), &form->control("txtC"));
}

TEST_F(BindingTest, KeyReactionsSeeTheFieldBeforeTheKeyChangesIt) {
  form->userSetText(form->control("txtC"), "4");
  auto* c = widget<QLineEdit>("txtC");
  c->end(false);
  QTest::keyClick(c, Qt::Key_5);
  QTest::keyClick(c, Qt::Key_Backspace);
  QTest::keyClick(c, Qt::Key_Delete);
  EXPECT_EQ(form->keysSeen, (std::vector<std::string>{"4+5", "45+\b"}));
  EXPECT_EQ(form->keyCodes, (std::vector<int>{53, 8, 46}));
  EXPECT_EQ(form->control("txtC").text(), "4");
}

TEST_F(BindingTest, ClickingIntoAFieldGivesItTheFocusWithItsTextSelected) {
  showAndActivate();
  form->userSetText(form->control("txtB"), "abc");
  auto* b = widget<QLineEdit>("txtB");
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
  QCoreApplication::processEvents();
  EXPECT_EQ(form->focused(), &form->control("txtB"));
  EXPECT_EQ(form->focusesOfB, 1);
  EXPECT_EQ(b->selectedText(), "abc");
}

TEST_F(BindingTest, ListsAndCheckBoxesDispatchToTheForm) {
  showAndActivate();
  auto* list = widget<QComboBox>("cmbList");
  EXPECT_EQ(list->count(), 2);
  EXPECT_EQ(list->currentIndex(), 0);
  Q_EMIT list->activated(1);  // what a user's choice raises
  EXPECT_EQ(form->control("cmbList").text(), "硅管");
  EXPECT_EQ(form->choices, 1);
  ws.runEvent([&] { form->control("cmbList").setListIndex(0); });
  EXPECT_EQ(list->currentIndex(), 0);
  EXPECT_EQ(form->choices, 2);  // the model's own choice, not an echo

  auto* check = widget<QCheckBox>("chkP");
  QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));  // on the box
  EXPECT_EQ(form->control("chkP").value(), 1);
  EXPECT_TRUE(check->isChecked());
  EXPECT_EQ(check->text(), "P");
}

TEST_F(BindingTest, AppearanceFollowsTheModel) {
  Control& a = form->control("txtA");
  auto* edit = widget<QLineEdit>("txtA");
  a.setVisible(false);
  EXPECT_TRUE(edit->isHidden());
  a.setVisible(true);
  EXPECT_FALSE(edit->isHidden());
  a.setEnabled(false);
  EXPECT_FALSE(edit->isEnabled());
  a.setToolTip("请输入交流输入电压");
  EXPECT_EQ(edit->toolTip(), "请输入交流输入电压");
  a.setBackColor(colors::kRed);
  EXPECT_EQ(edit->palette().color(QPalette::Active, QPalette::Base), QColor(255, 0, 0));
  a.setLocked(true);
  EXPECT_TRUE(edit->isReadOnly());
}

TEST_F(BindingTest, ControlsSitWhereTheModelPutsThem) {
  EXPECT_EQ(widget<QLineEdit>("txtA")->geometry(), QRect(8, 8, 80, 18));
  auto* inner = widget<QLineEdit>("txtIn");
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(inner->parentWidget(), widget<QGroupBox>("Frame1"));
  EXPECT_EQ(inner->geometry().topLeft(), QPoint(10, 20));  // inside the frame
  EXPECT_EQ(widget<QGroupBox>("Frame1")->title(), "输入参数");
}

TEST_F(BindingTest, RowsComeAndGoWithTheModel) {
  ControlArray& rows = form->array("txtRow");
  ControlInit below = rows.element(0).snapshot();
  below.geometry.top += 285;
  below.text = "W2";
  rows.load(1, below);
  auto* row = widget<QLineEdit>("txtRow(1)");
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->text(), "W2");
  EXPECT_EQ(row->geometry().top(), (1440 + 285) / 15);
  row->end(false);  // typing after the text, as after a click at its end
  QTest::keyClicks(row, "9");
  EXPECT_EQ(rows.element(1).text(), "W29");

  rows.unload(1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(widget<QLineEdit>("txtRow(1)"), nullptr);
  EXPECT_NE(widget<QLineEdit>("txtRow(0)"), nullptr);
}

TEST_F(BindingTest, TimersFollowTheirControl) {
  QTimer* timer = view->binding().timer(form->control("tmrPulse"));
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 250);
  form->control("tmrPulse").setInterval(40);
  EXPECT_EQ(timer->interval(), 40);
  form->control("tmrPulse").setEnabled(false);
  EXPECT_FALSE(timer->isActive());
}

TEST_F(BindingTest, MenuItemsBecomeMenusAndCommands) {
  QList<QAction*> top = view->menuBar()->actions();
  ASSERT_EQ(top.size(), 2);
  EXPECT_EQ(top[0]->text(), "文件");
  ASSERT_NE(top[0]->menu(), nullptr);
  EXPECT_EQ(top[0]->menu()->actions().at(0)->text(), "打开");
  EXPECT_EQ(top[1]->text(), "帮助");
  EXPECT_EQ(top[1]->menu(), nullptr);  // no children: a command on the bar itself
  top[1]->trigger();
  EXPECT_EQ(form->helps, 1);
  form->control("mnuHelp").setEnabled(false);
  EXPECT_FALSE(top[1]->isEnabled());
}

TEST_F(BindingTest, PictureBoxShowsItsDisplayList) {
  Picture& picture = form->control("picBox").picture();
  picture.setScale(0, 0, 10, 10);
  picture.filledBox(0, 0, 5, 5, colors::kRed);
  QImage image = view->binding().widget(form->control("picBox"))->grab().toImage();
  EXPECT_EQ(image.pixelColor(20, 20), QColor(255, 0, 0));
  EXPECT_EQ(image.pixelColor(80, 80), QColor(255, 255, 255));
}

TEST_F(BindingTest, FieldReadAsZeroIsFramedAndItsTipSaysHow) {
  auto* a = widget<QLineEdit>("txtA");
  const QString plainTip = a->toolTip();
  form->userSetText(form->control("txtA"), "abc");
  EXPECT_FALSE(a->styleSheet().isEmpty());
  EXPECT_TRUE(a->toolTip().contains("读作 0")) << a->toolTip().toStdString();
  EXPECT_EQ(form->control("txtA").text(), "abc");  // the design keeps what was typed
  form->userSetText(form->control("txtA"), "-3");
  EXPECT_TRUE(a->toolTip().contains("负数"));
  form->userSetText(form->control("txtA"), "12V");
  EXPECT_TRUE(a->styleSheet().isEmpty());
  EXPECT_EQ(a->toolTip(), plainTip);
  // a field that holds a name is never read as a number
  form->userSetText(form->control("txtC"), "abc");
  EXPECT_TRUE(widget<QLineEdit>("txtC")->styleSheet().isEmpty());
}

TEST_F(BindingTest, OnlyWhatTheUserTypedIsFramed) {
  auto* b = widget<QLineEdit>("txtB");
  // the reaction of txtA writes "abc!" into txtB: read as 0, but the program's
  QTest::keyClicks(widget<QLineEdit>("txtA"), "abc");
  EXPECT_FALSE(widget<QLineEdit>("txtA")->styleSheet().isEmpty());
  EXPECT_EQ(form->control("txtB").text(), "abc!");
  EXPECT_TRUE(b->styleSheet().isEmpty());
  EXPECT_FALSE(b->toolTip().contains("读作 0"));
  // the same text typed by the user is framed; a program write over it is not
  QTest::keyClicks(b, "x");
  EXPECT_FALSE(b->styleSheet().isEmpty());
  form->control("txtB").setText("abc");
  EXPECT_TRUE(b->styleSheet().isEmpty());
  // typing the text the field already shows leaves it the program's
  form->userSetText(form->control("txtB"), "abc");
  EXPECT_TRUE(b->styleSheet().isEmpty());
  // a long number the program wrote is its own result, never a warning
  form->control("txtIn").setText(std::string(200, '8'));
  EXPECT_TRUE(widget<QLineEdit>("txtIn")->styleSheet().isEmpty());
}

TEST_F(BindingTest, TextTooLongForItsFieldIsInTheTip) {
  auto* row = widget<QLineEdit>("txtIn");
  const std::string longText(200, '8');
  form->userSetText(form->control("txtIn"), longText);
  EXPECT_TRUE(row->toolTip().contains(QString::fromStdString(longText)));
  EXPECT_FALSE(row->styleSheet().isEmpty());
  EXPECT_EQ(row->cursorPosition(), 0);  // the beginning shows, not the end

  // a long name or description is nothing to warn of: the tip shows it whole
  auto* name = widget<QLineEdit>("txtC");
  const std::string description = "50H800-0.50A " + std::string(60, 'x');
  form->control("txtC").setText(description);
  EXPECT_TRUE(name->toolTip().contains(QString::fromStdString(description)));
  EXPECT_TRUE(name->styleSheet().isEmpty());
}

TEST_F(BindingTest, DropDownOpensWideEnoughForItsLongestItem) {
  auto* grade = widget<QComboBox>("cmbGrade");
  ASSERT_NE(grade, nullptr);
  const int longest = grade->fontMetrics().horizontalAdvance("JISC2552-1975");
  EXPECT_LT(grade->width(), longest);  // the box keeps its place and size
  EXPECT_GE(grade->view()->minimumWidth(), longest);
  // the chosen text does not fit: the tip shows it whole, the box its beginning
  EXPECT_TRUE(grade->toolTip().contains("JISC2552-1975"));
  if (grade->isEditable()) {
    EXPECT_EQ(grade->lineEdit()->cursorPosition(), 0);
  }
  form->control("cmbGrade").setItems({"A", "B"});
  form->control("cmbGrade").setListIndex(0);
  EXPECT_FALSE(grade->toolTip().contains("JISC2552-1975"));
}

TEST_F(BindingTest, PrintKeyOfAFormWorksWhileTheFocusIsInItsWindow) {
  QAction* print = view->binding().action(form->control("mnuPrint"));
  ASSERT_NE(print, nullptr);
  EXPECT_EQ(print->shortcut(), QKeySequence(QKeySequence::Print));
  EXPECT_EQ(print->shortcutContext(), Qt::WidgetWithChildrenShortcut);
  showAndActivate();
  widget<QLineEdit>("txtA")->setFocus();
  QTest::keyClick(widget<QLineEdit>("txtA"), Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(form->prints, 1);
  EXPECT_EQ(form->control("txtA").text(), "");  // the key is not typed into the field
}

TEST_F(BindingTest, OpeningAFormPutsTheFocusInItsFirstField) {
  openAndActivate();
  EXPECT_TRUE(focusReaches(widget<QLineEdit>("txtA")));
  EXPECT_EQ(form->focused(), &form->control("txtA"));
  // shown again, the form returns to where the designer was
  widget<QLineEdit>("txtB")->setFocus();
  ASSERT_EQ(form->focused(), &form->control("txtB"));
  form->hide();
  form->show();
  activate();
  EXPECT_TRUE(focusReaches(widget<QLineEdit>("txtB")));
}

// Top row: txtA and the list beside it; then txtB; txtC holds a name.
TEST_F(BindingTest, FirstFieldSkipsLockedDisabledAndNameFields) {
  form->control("txtA").setLocked(true);
  form->control("cmbList").setEnabled(false);
  form->control("txtB").setEnabled(false);
  form->control("cmbGrade").setVisible(false);
  form->control("txtIn").setEnabled(false);
  form->array("txtRow").load(1, {.geometry = at(120, 1800)});
  form->control("txtRow", 0).setEnabled(false);
  openAndActivate();
  EXPECT_TRUE(focusReaches(widget<QLineEdit>("txtRow(1)")));
}

TEST_F(BindingTest, NameFieldTakesTheTypingWhenNoNumberFieldIsOpen) {
  for (const char* name : {"txtA", "txtB", "txtIn", "cmbList", "cmbGrade"})
    form->control(name).setEnabled(false);
  form->control("txtRow", 0).setEnabled(false);
  openAndActivate();
  EXPECT_TRUE(focusReaches(widget<QLineEdit>("txtC")));
}

// Whatever a reaction throws stops at the binding: one message and one line
// on standard error each time, and the form goes on taking the user's input.
TEST_F(BindingTest, AFaultEscapingAReactionEndsInOneMessageAndTheProgramGoesOn) {
  auto* fault = widget<QPushButton>("cmdFault");
  ::testing::internal::CaptureStderr();
  for (int i = 0; i < 3; ++i) QTest::mouseClick(fault, Qt::LeftButton);
  QTest::keyClick(widget<QLineEdit>("txtIn"), Qt::Key_Return);
  const std::string logged = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(host.messageTexts(),
            (std::vector<std::string>{"程序内部错误：frmChain has no control txtNowhere",
                                      "程序内部错误：vector index 12", "程序内部错误：未知异常",
                                      "程序内部错误：no such row"}));
  EXPECT_EQ(logged,
            "corvane: programming error: frmChain has no control txtNowhere\n"
            "corvane: unexpected error: vector index 12\n"
            "corvane: unexpected error: 未知异常\n"
            "corvane: unexpected error: no such row\n");
  QTest::keyClicks(widget<QLineEdit>("txtA"), "7");
  EXPECT_EQ(form->control("txtB").text(), "7!");
}

// A reaction that closes its own form's window (its view detaches from the
// form) and then meets a fault is still reported.
TEST_F(BindingTest, AFaultAfterTheFormsWindowWentAwayIsStillReported) {
  form->closing = [this] { view->detach(); };
  ::testing::internal::CaptureStderr();
  QTest::mouseClick(widget<QPushButton>("cmdBack"), Qt::LeftButton);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "corvane: programming error: frmChain has no control txtGone\n");
  EXPECT_EQ(host.messageTexts(),
            std::vector<std::string>{"程序内部错误：frmChain has no control txtGone"});
}

TEST_F(BindingTest, DetachedViewNoLongerReachesTheForm) {
  auto* a = widget<QLineEdit>("txtA");
  view->detach();
  QTest::keyClicks(a, "5");
  EXPECT_EQ(form->control("txtA").text(), "");
  form->control("txtA").setText("8");
  EXPECT_EQ(a->text(), "5");
}

}  // namespace
}  // namespace corvane
