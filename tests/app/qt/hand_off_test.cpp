#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDialog>
#include <QDir>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QTest>
#include <chrono>
#include <cstring>
#include <future>
#include <string>

#include "app/form_catalog.h"
#include "app/qt/desktop_app.h"
#include "app/qt/file_hand_off.h"
#include "app/qt/form_view.h"
#include "app/qt/outside_file.h"
#include "desktop_app_fixture.h"
#include "electrical/design_file.h"
#include "electrical/frmeledata.h"
#include "model/workspace.h"
#include "qt_test_support.h"

namespace corvane {
namespace {

// ---------------------------------------------------------------- the request line

TEST(HandOffRequest, RoundTripsEveryKindOfFileName) {
  for (const char* path : {"/home/设计/12V 2A.CVN", "/tmp/a%20b.cvd", "/tmp/line\nbreak.CVN",
                           "/tmp/#hash?.CVN", "/"}) {
    QString original = QString::fromUtf8(path);
    QByteArray line = handOffRequest(original);
    EXPECT_TRUE(line.endsWith('\n'));
    EXPECT_EQ(line.count('\n'), 1) << path;
    EXPECT_EQ(parseHandOffRequest(line), original) << path;
  }
}

TEST(HandOffRequest, RefusesWhatIsNotAnAbsoluteLocalFile) {
  for (const char* line :
       {"", "\n", "open \n", "open relative/a.CVN\n", "open http://host/a.CVN\n",
        "close file:///tmp/a.CVN\n", "openfile:///tmp/a.CVN\n", "open file:///tmp/%zz.CVN\n"})
    EXPECT_EQ(parseHandOffRequest(line), std::nullopt) << line;
}

TEST(OutsideFile, KindFollowsTheExtensionInEitherCase) {
  EXPECT_EQ(outsideFileKind("/d/a.cvd"), OutsideFileKind::DesignProject);
  EXPECT_EQ(outsideFileKind("/d/a.CVD"), OutsideFileKind::DesignProject);
  EXPECT_EQ(outsideFileKind("/d/a.CVN"), OutsideFileKind::ElectricalDesign);
  EXPECT_EQ(outsideFileKind("/d/a.cvn"), OutsideFileKind::ElectricalDesign);
  EXPECT_EQ(outsideFileKind("/d.cvd/a.txt"), OutsideFileKind::ElectricalDesign);
  EXPECT_EQ(outsideFileKind("/d/cvd"), OutsideFileKind::ElectricalDesign);
}

TEST(OutsideFile, RelativePathsBecomeAbsoluteAgainstTheCurrentFolder) {
  const std::string here = QDir::currentPath().toStdString();
  EXPECT_EQ(absoluteFilePath("a.CVN"), here + "/a.CVN");
  EXPECT_EQ(absoluteFilePath("sub/../b.CVN"), here + "/b.CVN");
  EXPECT_EQ(absoluteFilePath("/x/./y/../c.CVN"), "/x/c.CVN");
}

// ---------------------------------------------------------------- the running copy

class HandOffTest : public testing::DesktopAppFixture {
 protected:
  QString socketPath() const { return dir.filePath("corvane.socket"); }

  // A design file whose first output group gives 15 V.
  std::string writeDesign(const char* name) {
    testing::RecordingQtHost writer(dir.filePath("writer.lock"));
    Workspace workspace(writer);
    registerAllForms(workspace);
    auto& form = workspace.form<Frmeledata>(Frmeledata::kName);
    workspace.runEvent([&] { workspace.field(Frmeledata::kName, "txtudc", 0).setText("15"); });
    std::string path = dir.filePath(name).toStdString();
    EXPECT_TRUE(saveDesignFile(form, path));
    return path;
  }
  static std::string outputVoltage(DesktopApp& app) {
    return app.workspace().field(Frmeledata::kName, "txtudc", 0).text();
  }
  static bool electricalShown(DesktopApp& app) {
    FormView* view = app.view(Frmeledata::kName);
    return view && view->form()->visible();
  }
  // What a second copy does, in a thread of its own so that this thread's
  // event loop can serve the running copy meanwhile.
  bool handOver(const QString& path, int timeoutMs = 5000) {
    auto done = std::async(std::launch::async,
                           [&] { return handFileToRunningCopy(socketPath(), path, timeoutMs); });
    bool finished = QTest::qWaitFor(
        [&] { return done.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
        timeoutMs + 2000);
    EXPECT_TRUE(finished);
    bool taken = done.get();
    QTest::qWait(20);  // the running copy opens the file from its event loop
    return taken;
  }
};

TEST_F(HandOffTest, HandedDesignFileOpensInTheRunningCopy) {
  std::string design = writeDesign("a.CVN");
  DesktopApp& app = start(false);
  ASSERT_TRUE(app.takesHandedFiles());
  EXPECT_FALSE(electricalShown(app));

  EXPECT_TRUE(handOver(QString::fromStdString(design)));
  EXPECT_TRUE(electricalShown(app));
  EXPECT_EQ(outputVoltage(app), "15");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(HandOffTest, BadProjectFileAndMissingFileGiveOneMessageEach) {
  QFile project(dir.filePath("p.cvd"));
  ASSERT_TRUE(project.open(QIODevice::WriteOnly));
  project.write("{}\n");
  project.close();
  start(false);

  EXPECT_TRUE(handOver(project.fileName()));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].find("不是 Corvane 设计文件"), std::string::npos) << host.messages[0];
  EXPECT_NE(host.messages[0].find(project.fileName().toStdString()), std::string::npos);

  for (const char* missing : {"gone.cvd", "gone.CVN"}) {
    host.messages.clear();
    EXPECT_TRUE(handOver(dir.filePath(missing)));
    ASSERT_EQ(host.messages.size(), 1u) << missing;
    EXPECT_NE(host.messages[0].find("不存在"), std::string::npos) << host.messages[0];
    EXPECT_NE(host.messages[0].find(missing), std::string::npos) << host.messages[0];
  }
}

TEST_F(HandOffTest, FileWaitsWhileAModalDialogRuns) {
  std::string design = writeDesign("a.CVN");
  DesktopApp& app = start(false);
  QDialog dialog;
  dialog.setModal(true);
  dialog.show();
  ASSERT_EQ(QApplication::activeModalWidget(), &dialog);

  EXPECT_TRUE(handOver(QString::fromStdString(design)));
  QTest::qWait(300);
  EXPECT_FALSE(electricalShown(app));
  dialog.close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return electricalShown(app); }, 2000));
  EXPECT_EQ(outputVoltage(app), "15");
}

TEST_F(HandOffTest, FileHandedDuringTheCoverOpensWithTheMainWindow) {
  std::string design = writeDesign("a.CVN");
  DesktopApp& app = start(true);
  ASSERT_TRUE(app.takesHandedFiles());
  EXPECT_TRUE(handOver(QString::fromStdString(design)));
  EXPECT_FALSE(electricalShown(app));
  QTest::mouseClick(app.cover()->canvas()->findChild<QWidget*>("Label3(1)"), Qt::LeftButton);
  EXPECT_TRUE(QTest::qWaitFor([&] { return electricalShown(app); }, 2000));
  EXPECT_EQ(outputVoltage(app), "15");
}

TEST_F(HandOffTest, SocketLeftByACrashedCopyDoesNotBlockTheNextStart) {
  // a bound socket file whose owner is gone, as a crash leaves it
  int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  QByteArray name = QFile::encodeName(socketPath());
  ASSERT_LT(size_t(name.size()), sizeof address.sun_path);
  std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
  ASSERT_TRUE(QFile::exists(socketPath()));
  EXPECT_FALSE(handFileToRunningCopy(socketPath(), "/tmp/a.CVN", 300));

  std::string design = writeDesign("a.CVN");
  DesktopApp& app = start(false);
  ASSERT_TRUE(app.takesHandedFiles());
  EXPECT_TRUE(handOver(QString::fromStdString(design)));
  EXPECT_EQ(outputVoltage(app), "15");
}

TEST_F(HandOffTest, MalformedRequestIsRefusedAndNothingOpens) {
  DesktopApp& app = start(false);
  QLocalSocket client;
  client.connectToServer(socketPath());
  ASSERT_TRUE(QTest::qWaitFor([&] { return client.state() == QLocalSocket::ConnectedState; }));
  client.write("open relative.CVN\n");
  ASSERT_TRUE(QTest::qWaitFor([&] { return client.canReadLine(); }));
  EXPECT_EQ(client.readLine(), "refused\n");
  QTest::qWait(20);
  EXPECT_FALSE(electricalShown(app));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(HandOffTest, SecondCopyWhoseHandOverFailsIsRefusedAsBefore) {
  QLockFile running(lockPath());  // a copy that holds the lock but takes no files
  ASSERT_TRUE(running.tryLock(0));
  DesktopApp second(host);
  second.openFileFromOutside(writeDesign("a.CVN"));
  second.start(false);
  EXPECT_EQ(host.messages, std::vector<std::string>{"本专家系统软件已经在运行！"});
  EXPECT_TRUE(host.quitRequested());
  EXPECT_FALSE(second.takesHandedFiles());
}

// The whole double-click: the program started with a relative path while
// this test's copy runs hands the file over and ends at once.
TEST_F(HandOffTest, SecondProgramHandsItsRelativeFileToTheRunningOne) {
  QDir(dir.path()).mkdir("designs");
  std::string design = writeDesign("designs/a.CVN");
  DesktopApp& app = start(false);

  QProcess second;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("XDG_RUNTIME_DIR", dir.path());
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  second.setProcessEnvironment(environment);
  second.setWorkingDirectory(dir.filePath("designs"));
  second.start(CORVANE_PROGRAM, {"a.CVN"});
  ASSERT_TRUE(second.waitForStarted());
  ASSERT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 10000));
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
  EXPECT_TRUE(QTest::qWaitFor([&] { return electricalShown(app); }, 2000));
  EXPECT_EQ(outputVoltage(app), "15");
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace corvane
