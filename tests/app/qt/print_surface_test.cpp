#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cmath>
#include <cstdlib>

#include "app/qt/qt_print_surface.h"
#include "model/form.h"
#include "model/picture.h"
#include "model/workspace.h"
#include "qt_test_support.h"
#include "support/fake_host.h"

namespace corvane {
namespace {

constexpr double kPointsPerMm = 72 / 25.4;

// Runs pdftotext on the file; empty when the tool is not installed.
QString pdfText(const QString& pdf, const QStringList& options = {}) {
  QString tool = QStandardPaths::findExecutable("pdftotext");
  if (tool.isEmpty()) return {};
  QProcess process;
  process.start(tool, options + QStringList{pdf, "-"});
  process.waitForFinished(20000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

struct WordBox {
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

// The box pdftotext -bbox gives the word, in points from the page's top left.
std::optional<WordBox> wordBox(const QString& bboxHtml, const QString& word) {
  QRegularExpression pattern(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">)re" +
      QRegularExpression::escape(word) + "</word>");
  QRegularExpressionMatch match = pattern.match(bboxHtml);
  if (!match.hasMatch()) return std::nullopt;
  return WordBox{match.captured(1).toDouble(), match.captured(2).toDouble(),
                 match.captured(3).toDouble(), match.captured(4).toDouble()};
}

class PrintSurfaceTest : public ::testing::Test {
 protected:
  PrintSurfaceTest() { testing::qtApp(); }
  QString path(const char* name) const { return dir.filePath(name); }
  static bool havePdfToText() { return !QStandardPaths::findExecutable("pdftotext").isEmpty(); }

  // The sample page: a title in 黑体 14, a body line in 宋体 12 with a gap,
  // a rule and a picture with a label.
  static void printSamplePage(PrintSurface& page) {
    page.scale(0, 0, 210, 290);
    page.setFontName("黑体");
    page.setFontSize(14);
    page.setCurrentX(20);
    page.setCurrentY(15);
    page.print({"变压器制作参数表"});
    page.setFontName("宋体");
    page.setFontSize(12);
    page.setCurrentX(20);
    page.setCurrentY(30);
    page.print({"输入电压", PrintItem::gap(4), "220V"});
    page.line(15, 40, 195, 40);
    Picture picture;
    picture.setScale(0, 0, 100, 60);
    picture.line(0, 0, 100, 60, colors::kBlack);
    picture.circle(50, 30, 20, colors::kBlue);
    picture.text(10, 10, "绕组", colors::kBlack);
    page.paintPicture(picture, "Picture1", 20, 50, 100, 60);
  }

  QTemporaryDir dir;
};

TEST_F(PrintSurfaceTest, SamplePageKeepsItsChineseTextAndTrueSizes) {
  QString pdf = path("sample.pdf");
  auto page = makePdfSurface(pdf.toStdString());
  ASSERT_NE(page, nullptr);
  printSamplePage(*page);
  EXPECT_FALSE(QFile::exists(pdf));  // nothing is in place before the page is complete
  page->endDoc();
  ASSERT_TRUE(QFile::exists(pdf));
  EXPECT_GT(QFileInfo(pdf).size(), 1000);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"sample.pdf"});
  if (const char* folder = std::getenv("CORVANE_SHOT_DIR"))  // for a person to look at
    QFile::copy(pdf, QString::fromUtf8(folder) + "/sample-page.pdf");
  if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";

  QString text = pdfText(pdf);
  for (const char* expected : {"变压器制作参数表", "输入电压", "220V", "绕组"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                            << text.toStdString();

  QString boxes = pdfText(pdf, {"-bbox"});
  auto title = wordBox(boxes, "变压器制作参数表");
  auto body = wordBox(boxes, "输入电压");
  auto value = wordBox(boxes, "220V");
  ASSERT_TRUE(title && body && value) << boxes.toStdString();
  // eight full-width characters of 14 pt are 112 pt wide; four of 12 pt are 48 pt
  EXPECT_NEAR(title->xMax - title->xMin, 8 * 14, 3);
  EXPECT_NEAR(body->xMax - body->xMin, 4 * 12, 2);
  // the text's top-left corner sits on the current position (page top margin 3.5 mm)
  EXPECT_NEAR(title->xMin, 20 * kPointsPerMm, 1.5);
  EXPECT_NEAR(title->yMin, (15 + 3.5) * kPointsPerMm, 3);
  EXPECT_NEAR(body->yMin, (30 + 3.5) * kPointsPerMm, 3);
  // the gap of four half-width cells after the body text
  EXPECT_NEAR(value->xMin - body->xMax, 4 * 6, 2);
}

TEST_F(PrintSurfaceTest, UnfinishedReportLeavesNoFile) {
  QString pdf = path("stopped.pdf");
  {
    auto page = makePdfSurface(pdf.toStdString());
    ASSERT_NE(page, nullptr);
    printSamplePage(*page);
  }
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(PrintSurfaceTest, EndDocReplacesAnOlderFile) {
  QString pdf = path("report.pdf");
  QFile old(pdf);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old report");
  old.close();
  {
    auto page = makePdfSurface(pdf.toStdString());
    printSamplePage(*page);  // stopped: the old file stays as it was
  }
  QFile kept(pdf);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), "old report");
  kept.close();
  auto page = makePdfSurface(pdf.toStdString());
  printSamplePage(*page);
  page->endDoc();
  QFile replaced(pdf);
  ASSERT_TRUE(replaced.open(QIODevice::ReadOnly));
  EXPECT_TRUE(replaced.read(5) == "%PDF-");
}

TEST_F(PrintSurfaceTest, FolderThatDoesNotExistGivesNoPrinter) {
  std::string why;
  EXPECT_EQ(makePdfSurface(path("missing/report.pdf").toStdString(), &why), nullptr);
  EXPECT_FALSE(why.empty());
}

TEST_F(PrintSurfaceTest, NewPageStartsASecondPdfPage) {
  QString pdf = path("two.pdf");
  auto page = makePdfSurface(pdf.toStdString());
  ASSERT_NE(page, nullptr);
  printSamplePage(*page);
  page->newPage();
  page->setCurrentX(20);
  page->setCurrentY(15);
  page->print({"第二页"});
  page->endDoc();
  EXPECT_FALSE(page->failed());
  ASSERT_TRUE(QFile::exists(pdf));
  if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
  QStringList pages = pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
  pages.removeIf([](const QString& p) { return p.trimmed().isEmpty(); });
  ASSERT_EQ(pages.size(), 2) << pdfText(pdf).toStdString();
  EXPECT_TRUE(pages[0].contains(QString::fromUtf8("变压器制作参数表")));
  EXPECT_TRUE(pages[1].contains(QString::fromUtf8("第二页")));
}

// The folder goes away while the page is printed: the file cannot be put in
// place, and the job says so instead of passing for printed.
TEST_F(PrintSurfaceTest, PdfThatCannotBeCommittedIsTheJobsFailure) {
  QDir(dir.path()).mkdir("gone");
  QString pdf = path("gone/report.pdf");
  auto page = makePdfSurface(pdf.toStdString());
  ASSERT_NE(page, nullptr);
  printSamplePage(*page);
  ASSERT_TRUE(QDir(path("gone")).removeRecursively());
  page->endDoc();
  EXPECT_TRUE(page->failed());
  EXPECT_EQ(page->deviceName(), pdf.toStdString());
  EXPECT_FALSE(QFile::exists(pdf));
}

class CoreLikeForm : public Form {
 public:
  explicit CoreLikeForm(Workspace& ws) : Form(ws, "frmImage", "铁芯") {
    addControl("Frame1", ControlKind::Frame,
               {.caption = "选择矽钢片材质", .geometry = {120, 120, 4000, 1500}});
    addControl("Label1", ControlKind::Label,
               {.caption = "磁通密度", .geometry = {240, 480, 1200, 255}, .container = "Frame1"});
    addControl("TxtBm", ControlKind::TextBox,
               {.text = "1.45", .geometry = {1500, 450, 900, 270}, .container = "Frame1"});
  }
};

// A form without a window (a scripted run) still prints its image, with its
// captions and field texts as text.
TEST_F(PrintSurfaceTest, FormImagePrintsAFormThatHasNoWindow) {
  testing::FakeHost host;
  Workspace ws(host);
  ws.registerForm("frmImage", [](Workspace& w) { return std::make_unique<CoreLikeForm>(w); });
  QString pdf = path("form.pdf");
  auto page = makePdfSurface(pdf.toStdString());
  page->print({""});
  page->printForm(ws.form("frmImage"));
  page->endDoc();
  ASSERT_TRUE(QFile::exists(pdf));
  if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
  QString text = pdfText(pdf);
  for (const char* expected : {"选择矽钢片材质", "磁通密度", "1.45"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                            << text.toStdString();
}

}  // namespace
}  // namespace corvane
