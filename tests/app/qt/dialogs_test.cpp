// The Qt host's own dialogs: file filters that show each entry once, a save
// dialog that adds the chosen entry's extension, message boxes wide enough
// for their title. Dialogs are answered from a timer while they run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFont>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/qt/qt_host.h"
#include "bobbin/frmbobbin.h"
#include "bom/frmbomlist.h"
#include "electrical/design_file.h"
#include "model/project_file.h"
#include "qt_test_support.h"

namespace corvane {
namespace {

// Runs `answer` on the modal dialog of type D once it is up, and again on
// the next ticks while the dialog stays up; a dialog that is still up after a
// few seconds is rejected, so a missed answer fails the test instead of
// hanging it.
template <class D>
D* shownDialog() {
  if (auto* modal = qobject_cast<D*>(QApplication::activeModalWidget());
      modal && modal->isVisible())
    return modal;
  // the modal mark can lag behind the window on the offscreen platform
  for (QWidget* top : QApplication::topLevelWidgets())
    if (auto* dialog = qobject_cast<D*>(top); dialog && dialog->isVisible()) return dialog;
  return nullptr;
}

template <class D>
void whenShown(std::function<void(D&)> answer) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  auto ticks = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, answer, ticks] {
    D* dialog = shownDialog<D>();
    const bool late = ++*ticks > 300;
    if (dialog && !late) {
      answer(*dialog);
      if (dialog->isVisible()) return;  // not taken yet: once more on the next tick
    } else if (late) {
      ADD_FAILURE() << (dialog ? "the dialog did not take its answer"
                               : "the dialog did not come up");
      for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* other = qobject_cast<QDialog*>(top); other && other->isVisible()) other->reject();
    } else {
      return;  // not up yet
    }
    timer->stop();
    timer->deleteLater();
  });
  timer->start();
}

// Types a file name as the user does. `QFileDialog::selectFile` leaves the
// name field alone while that field has the focus, which it gets at a moment
// of its own on the offscreen platform, so the name goes into the field.
void typeFileName(QFileDialog& dialog, const QString& name) {
  auto* field = dialog.findChild<QLineEdit*>("fileNameEdit");
  ASSERT_NE(field, nullptr);
  field->setText(name);
}

TEST(FileFilter, EveryEntryOfTheProgramShowsItsPatternsOnce) {
  for (const char* filter : {kDesignFileFilter, kProjectFileFilter, FrmBomList::kCsvFilter,
                             Frmbobbin::kCatalogueFilter}) {
    const QStringList entries = QtHost::qtFilter(filter).split(";;");
    EXPECT_EQ(entries.size(), QString(filter).count('|') / 2 + 1) << filter;
    for (const QString& entry : entries) {
      EXPECT_EQ(entry.count('('), 1) << entry.toStdString();
      EXPECT_TRUE(entry.endsWith(')')) << entry.toStdString();
      EXPECT_FALSE(entry.contains("*.*")) << entry.toStdString();  // matches only names with a dot
      EXPECT_FALSE(entry.startsWith('(')) << entry.toStdString();  // every entry has a name
    }
  }
  EXPECT_EQ(QtHost::qtFilter(kDesignFileFilter), "CVN(*.CVN);;所有文件 (*)");
  EXPECT_EQ(QtHost::qtFilter("文本|*.txt;*.log"), "文本 (*.txt *.log)");
}

TEST(FileFilter, DefaultSuffixIsTheFirstPatternsExtension) {
  EXPECT_EQ(QtHost::defaultSuffix("CVN(*.CVN)"), "CVN");
  EXPECT_EQ(QtHost::defaultSuffix("骨架目录 (*.sqlite *.db *.mdb)"), "sqlite");
  EXPECT_EQ(QtHost::defaultSuffix("所有文件 (*)"), "");
  EXPECT_EQ(QtHost::defaultSuffix("备份 (*.b?k)"), "");
  EXPECT_EQ(QtHost::defaultSuffix(""), "");
}

class DialogTest : public ::testing::Test {
 protected:
  // windows other tests left for deletion must not go inside a dialog's own
  // event loop, where they would take the dialog (their child) along
  DialogTest() {
    testing::qtApp();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    testing::clearQuitRequest();
  }
  // What the save dialog gives for `name` typed into this folder, with the
  // file type `filter` chosen first when there is one.
  std::optional<std::string> typedIntoSaveDialog(const char* name, const char* filter = nullptr) {
    const QString folder = dir.path();
    whenShown<QFileDialog>([folder, name, filter](QFileDialog& dialog) {
      dialog.setDirectory(folder);
      if (filter) {
        dialog.selectNameFilter(filter);
        dialog.filterSelected(filter);
      }
      typeFileName(dialog, name);
      QMetaObject::invokeMethod(&dialog, "accept");
    });
    return host.chooseSaveFile(kDesignFileFilter);
  }

  QTemporaryDir dir;
  QtHost host{dir.filePath("corvane.lock")};
};

TEST_F(DialogTest, NameTypedWithoutExtensionIsSavedWithTheFiltersOne) {
  std::optional<std::string> path = typedIntoSaveDialog("test1");
  ASSERT_TRUE(path.has_value());
  EXPECT_EQ(QString::fromStdString(*path), QDir(dir.path()).filePath("test1.CVN"));
}

TEST_F(DialogTest, AllFilesEntryAddsNoExtension) {
  std::optional<std::string> path = typedIntoSaveDialog("notes", "所有文件 (*)");
  ASSERT_TRUE(path.has_value());
  EXPECT_EQ(QString::fromStdString(*path), QDir(dir.path()).filePath("notes"));
}

TEST_F(DialogTest, CancelledSaveChoosesNothing) {
  whenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
  EXPECT_FALSE(host.chooseSaveFile(kDesignFileFilter).has_value());
}

// The dialogs start beside the designer's work: the folder of the most
// recent design whose folder still exists, the working folder before any.
TEST_F(DialogTest, SaveDialogStartsInTheFolderOfTheLastDesign) {
  host.setSettingsFile(dir.filePath("settings.ini"));
  EXPECT_TRUE(host.dialogFolder().isEmpty());
  QDir(dir.path()).mkdir("designs");
  const QString kept = QDir(dir.path()).filePath("designs");
  host.storeRecentDesigns(
      {dir.filePath("gone/a.cvd").toStdString(), QDir(kept).filePath("b.cvd").toStdString()});
  EXPECT_EQ(host.dialogFolder(), kept);
  QString shownIn;
  whenShown<QFileDialog>([&shownIn](QFileDialog& dialog) {
    shownIn = dialog.directory().absolutePath();
    dialog.reject();
  });
  EXPECT_FALSE(host.chooseSaveFile(kDesignFileFilter).has_value());
  EXPECT_EQ(shownIn, kept);
}

TEST_F(DialogTest, MessageBoxIsWideEnoughForItsTitle) {
  const std::string title = "Peak Corvane专家系统 - 基本参数设置与设计";
  int width = 0;
  int needed = 0;
  whenShown<QMessageBox>([&](QMessageBox& box) {
    width = box.width();
    QFont bold = box.font();  // as a window manager draws the title
    bold.setBold(true);
    needed = QFontMetrics(bold).horizontalAdvance(box.windowTitle());
    box.accept();
  });
  host.showMessage("无效", MessageIcon::Information, title);
  EXPECT_GT(needed, 0);
  // beside the title: the window menu, minimise, maximise and close buttons
  EXPECT_GE(width, needed + 100);
}

}  // namespace
}  // namespace corvane
