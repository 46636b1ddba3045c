#include "electrical/printout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "electrical_fixture.h"
#include "model/picture.h"

namespace corvane::testing {
namespace {

class PrintoutTest : public ElectricalTest {
 protected:
  void printTable() { click("PRINT"); }
  bool printedLine(const std::string& line) const { return host.hasPrinted(line); }
  size_t countStarting(const std::string& prefix) const { return host.countPrinted(prefix); }
};

TEST_F(PrintoutTest, TypicalDesignPrintsTheExampleGroupLine) {
  typeGroup(0, "12", "2", "全桥电容", "硅管");
  printTable();
  ASSERT_TRUE(host.printerAsked);
  ASSERT_FALSE(host.printed.empty());
  EXPECT_EQ(host.printed.front(), "scale 0 0 210 290");
  EXPECT_TRUE(printedLine("font 黑体 14"));
  EXPECT_TRUE(printedLine("print 80 15 \"变压器设计规格书\""));
  EXPECT_TRUE(printedLine("print 90 25 \"电气示意图\""));
  EXPECT_TRUE(printedLine("print 90 140 \"变压器设计要求\""));
  EXPECT_EQ(countStarting("print 15 "), 1u);
  auto group = std::find_if(host.printed.begin(), host.printed.end(),
                            [](const std::string& l) { return l.rfind("print 15 ", 0) == 0; });
  std::string items = group->substr(group->find('"'));
  EXPECT_EQ(items,
            "\"W1\" gap 3 \"电压:12V @ 2A\" gap 3 \"全桥电容\" gap 3 \"功率：40.3W\" gap 3 "
            "\"电解电容：5307uF-13269uF\" gap 3 \"空载电压：14.878V\"");
  EXPECT_EQ(host.printed.back(), "enddoc");
  EXPECT_TRUE(printedLine("picture PICSHC 90 40 50 100"));
  EXPECT_EQ(countStarting("line 15 "), 5u);
}

TEST_F(PrintoutTest, InputLinePowerAndDateFollowTheFields) {
  typeGroupAndContinue(0, "12", "2", "全桥电容", "硅管", true);
  typeGroupAndContinue(1, "10", "1", "半波电阻", "无", true);
  typeGroup(2, "5", "1", "无", "无");
  click("Chkp");
  click("Chkp");  // back to one primary: there is no second voltage to print
  printTable();
  EXPECT_EQ(countStarting("print 15 "), 3u);
  auto find = [&](const std::string& needle) {
    return std::any_of(host.printed.begin(), host.printed.end(),
                       [&](const std::string& l) { return l.find(needle) != std::string::npos; });
  };
  EXPECT_TRUE(std::any_of(host.printed.begin(), host.printed.end(), [](const std::string& l) {
    return l.ends_with("\"交流输入电压:\" gap 3 \"220V\"");
  }));
  EXPECT_FALSE(find("\"V\""));  // no unit without its value
  EXPECT_TRUE(find("\"频率\" gap 3 \"50/60Hz\""));
  EXPECT_TRUE(find("\"变压器输出总功率：\" \"80.8W\""));
  EXPECT_TRUE(find("\"2024/3/9\""));
}

TEST_F(PrintoutTest, TwoPrimariesPrintBothVoltages) {
  typeGroup(0, "12", "2", "全桥电容", "硅管");
  click("Chkp");
  set("TXTUIN2", "110");
  printTable();
  // the printed schematic holds both primaries and the group
  EXPECT_TRUE(printedLine("picture PICSHC 90 40 50 100"));
  size_t primaryTurns = 0;
  for (const std::string& line : form().schematic().listing())
    primaryTurns += line.rfind("arc 5 ", 0) == 0 && line.ends_with("255,0,0");
  EXPECT_EQ(primaryTurns, 6u);
  EXPECT_TRUE(std::any_of(host.printed.begin(), host.printed.end(), [](const std::string& l) {
    return l.ends_with("\"交流输入电压:\" gap 3 \"220V\" gap 3 \"110V\"");
  }));
}

// On paper: no rule runs through a line of text, and a group line too long
// for the page is printed smaller so that it ends before the right rule.
TEST_F(PrintoutTest, RulesPassBetweenTextLinesAndLongLinesFitThePage) {
  typeGroupAndContinue(0, "12", "2", "全桥电容", "硅管", true);
  typeGroup(1, "123.456", "12.345", "全波电容", "锗管");
  printTable();
  double size = 9;
  // the ink of a line, drawn from its top, reaches a little past one em
  // (Latin descenders 1.04 em)
  auto inkHeight = [&size] { return 1.05 * size * 25.4 / 72; };
  struct TextLine {
    double top, bottom;
  };
  std::vector<TextLine> texts;
  std::vector<double> rules;
  for (const std::string& line : host.printed) {
    std::istringstream in(line);
    std::string op;
    in >> op;
    if (op == "font") {
      std::string name;
      in >> name >> size;
    } else if (op == "print" && line.find('"') != std::string::npos) {
      double x, y;
      in >> x >> y;
      texts.push_back({y, y + inkHeight()});
    } else if (op == "line") {
      double x1, y1;
      in >> x1 >> y1;
      rules.push_back(y1);
    }
  }
  ASSERT_FALSE(rules.empty());
  for (double y : rules)
    for (const TextLine& t : texts) EXPECT_FALSE(y > t.top + 1e-9 && y < t.bottom - 1e-9) << y;
  // the second group's line came out smaller than 12 pt
  auto second = std::find_if(host.printed.begin(), host.printed.end(), [](const std::string& l) {
    return l.find("\"W2\"") != std::string::npos;
  });
  ASSERT_NE(second, host.printed.end());
  EXPECT_NE(*(second - 1), "font 黑体 12");
}

TEST_F(PrintoutTest, EmptySchematicPrintsNoPicture) {
  set("txtudc", 0, "12");
  click("CMDWNDEL");  // deleting the only group clears the picture
  ASSERT_FALSE(form().schematic().hasDrawing());
  printTable();
  EXPECT_EQ(countStarting("picture"), 0u);
  EXPECT_EQ(host.printed.back(), "enddoc");
}

TEST_F(PrintoutTest, CancelledPrinterDialogEndsSilently) {
  host.printerAvailable = false;
  printTable();
  EXPECT_TRUE(host.printCancelledSilently());
}

}  // namespace
}  // namespace corvane::testing
