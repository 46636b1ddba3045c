// The winding-structure form in the desktop program: every control has its
// widget, the table's captions are not cut, Enter in a cell runs the same
// recalculation as the script's enter, and the window fits 1366 × 768.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTest>
#include <cstdlib>

#include "app/qt/desktop_app.h"
#include "app/qt/form_view.h"
#include "app/qt/main_window.h"
#include "model/form.h"
#include "model/workspace.h"
#include "qt_test_support.h"
#include "support/typical_design.h"

namespace corvane {
namespace {

class StructureViewTest : public ::testing::Test {
 protected:
  StructureViewTest() { testing::qtApp(); }

  // the typical design: 220 V, 12 V / 2 A bridge; EI48 × 30 of 50H800; one-slot bobbin
  void typicalDesign() {
    testing::FormDesigner designer(app->workspace());
    designer.click("MDIForm1", "NEW");
    testing::typeTypicalDesign(designer);
  }

  QTemporaryDir dir;
  std::unique_ptr<testing::RecordingQtHost> host =
      std::make_unique<testing::RecordingQtHost>(dir.filePath("corvane.lock"));
  std::unique_ptr<DesktopApp> app = std::make_unique<DesktopApp>(*host);
};

TEST_F(StructureViewTest, TableShowsEveryCellAndNoCaptionIsCut) {
  app->start(false);
  app->mainWindow()->resize(1366, 768);
  typicalDesign();
  FormView* view = app->view("Frmjiegou");
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(view->parentWidget()->isVisible());
  Form& form = *view->form();
  for (Control* control : form.allControls()) {
    QWidget* widget = view->binding().widget(*control);
    if (control->kind() == ControlKind::MenuItem) continue;
    ASSERT_NE(widget, nullptr) << control->address();
    if (auto* label = qobject_cast<QLabel*>(widget); label && control->visible()) {
      EXPECT_LE(label->sizeHint().width(), label->width() + 2) << control->address();
    }
  }
  // a computed cell is shown read-only
  auto* drop = view->canvas()->findChild<QLineEdit*>("TXTUD(0)");
  ASSERT_NE(drop, nullptr);
  EXPECT_FALSE(drop->isEnabled());
  if (const char* folder = std::getenv("CORVANE_SHOT_DIR")) {
    if (auto* child = qobject_cast<QMdiSubWindow*>(view->parentWidget())) child->showMaximized();
    app->mainWindow()->grab().save(QString::fromUtf8(folder) + "/structure-1366.png");
  }
}

TEST_F(StructureViewTest, EnterInACellRecalculatesTheTable) {
  app->start(false);
  typicalDesign();
  FormView* view = app->view("Frmjiegou");
  ASSERT_NE(view, nullptr);
  Form& form = *view->form();
  form.workspace().runEvent([&] { form.userDblClick(form.control("HeadTXTTURN")); });
  auto* turns = view->canvas()->findChild<QLineEdit*>("TXTTURN(1)");
  ASSERT_NE(turns, nullptr);
  ASSERT_TRUE(turns->isEnabled());
  turns->setFocus();
  turns->selectAll();
  QTest::keyClicks(turns, "30");
  QTest::keyClick(turns, Qt::Key_Return);
  EXPECT_EQ(form.control("TXTTURN", 1).text(), "30");
  // the secondary's no-load voltage now comes from its 30 turns
  EXPECT_NE(form.control("TxtUnV", 1).text(),
            app->workspace().field("Frmeledata", "TXTUNLOAD", 0).text());
  auto* noLoad = view->canvas()->findChild<QLineEdit*>("TxtUnV(1)");
  EXPECT_EQ(noLoad->text().toStdString(), form.control("TxtUnV", 1).text());
}

}  // namespace
}  // namespace corvane
