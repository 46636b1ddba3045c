#include "reports/recording_printer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>

#include "model/picture.h"
#include "support/test_files.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

// A sheet as the reports lay one out: title, a row with a separator gap,
// a rule, the schematic and the end of the page.
void printSamplePage(PrintSurface& page) {
  Picture schematic;
  page.scale(0, 0, 210, 290);
  page.setFontName("黑体");
  page.setFontSize(18);
  page.setCurrentX(60);
  page.setCurrentY(12.5);
  page.print({"变压器制作参数表"});
  page.setFontSize(12);
  page.setCurrentX(15);
  page.print({"初级电压", PrintItem::gap(5), "220V"});
  page.line(10, 40, 200, 40);
  page.paintPicture(schematic, "Picture1", 10, 45, 95.5, 60);
  page.endDoc();
}

TEST(RecordingPrinter, ListsASamplePageOperationByOperation) {
  RecordingPrinter page;
  printSamplePage(page);
  // 18 pt is 6.35 mm, so the second print starts one line below the first
  std::vector<std::string> expected{
      "scale 0 0 210 290",
      "font 黑体 9",
      "font 黑体 18",
      "print 60 12.5 \"变压器制作参数表\"",
      "font 黑体 12",
      "print 15 19.485 \"初级电压\" gap 5 \"220V\"",
      "line 10 40 200 40 0,0,0",
      "picture Picture1 10 45 95.5 60",
      "enddoc",
  };
  EXPECT_EQ(page.lines(), expected);
}

TEST(RecordingPrinter, QuotesTextItemsAndKeepsEachOperationOnOneLine) {
  RecordingPrinter page;
  page.print({"a \"b\" \\ c", "two\nlines", ""});
  page.print({});
  ASSERT_EQ(page.lines().size(), 2u);
  EXPECT_EQ(page.lines()[0], "print 0 0 \"a \\\"b\\\" \\\\ c\" \"two\\nlines\" \"\"");
  EXPECT_EQ(page.lines()[1], "print 0 3.4925");
}

TEST(RecordingPrinter, WritesNumbersThatAreNotFiniteWithoutAbortingTheJob) {
  RecordingPrinter page;
  page.line(std::numeric_limits<double>::quiet_NaN(), 0, std::numeric_limits<double>::infinity(),
            -std::numeric_limits<double>::infinity(), colors::kRed);
  page.endDoc();
  EXPECT_EQ(page.lines(), (std::vector<std::string>{"line nan 0 inf -inf 255,0,0", "enddoc"}));
}

class RecordingPrinterFile : public ::testing::Test {
 protected:
  testing::TestFolder folder_{"corvane-recording"};
  const fs::path& dir_ = folder_.path();
};

TEST_F(RecordingPrinterFile, WritesTheListingWithLineFeedsAtEndDoc) {
  fs::path path = dir_ / "page.txt";
  RecordingPrinter page(path.string());
  page.scale(0, 0, 210, 290);
  page.print({"参数"});
  EXPECT_FALSE(fs::exists(path)) << "nothing may appear before the page is complete";
  page.endDoc();
  EXPECT_EQ(testing::fileContents(path), "scale 0 0 210 290\nprint 0 0 \"参数\"\nenddoc\n");
  EXPECT_EQ(page.writeError(), "");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(RecordingPrinterFile, AJobAbandonedBeforeEndDocLeavesNoFile) {
  fs::path path = dir_ / "page.txt";
  {
    RecordingPrinter page(path.string());
    page.scale(0, 0, 210, 290);
    page.print({"参数"});
  }
  EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(RecordingPrinterFile, ReplacesAnOlderListingWhole) {
  fs::path path = dir_ / "page.txt";
  std::ofstream(path) << "old content that is longer than the new listing\n";
  RecordingPrinter page(path.string());
  page.endDoc();
  EXPECT_EQ(testing::fileContents(path), "enddoc\n");
}

TEST_F(RecordingPrinterFile, AFailedWriteIsReportedAndLeavesNoFile) {
  fs::path path = dir_ / "no-such-dir" / "page.txt";
  std::string reported;
  RecordingPrinter page(path.string(),
                        [&reported](const std::string& message) { reported = message; });
  page.print({"x"});
  page.endDoc();
  EXPECT_EQ(reported.rfind("cannot write " + path.string() + ": ", 0), 0u) << reported;
  EXPECT_NE(page.writeError(), "");
  EXPECT_EQ(page.failure(), "文件或文件夹不存在");  // the job's failure, in the user's words
  EXPECT_EQ(page.deviceName(), path.string());
  EXPECT_TRUE(fs::is_empty(dir_));
}

TEST(RecordingPrinter, ListsANewPageAsOneLine) {
  RecordingPrinter page;
  page.scale(0, 0, 210, 290);
  page.setCurrentY(100);
  page.newPage();
  page.print({"续"});
  page.endDoc();
  EXPECT_EQ(page.lines(), (std::vector<std::string>{"scale 0 0 210 290", "newpage",
                                                    "print 0 0 \"续\"", "enddoc"}));
}

TEST(RecordingPrinter, TakesNoOutputAfterEndDoc) {
  RecordingPrinter page;
  page.endDoc();
  page.print({"late"});
  page.endDoc();
  EXPECT_EQ(page.lines(), (std::vector<std::string>{"enddoc"}));
}

}  // namespace
}  // namespace corvane
