#include "bom/production_list.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/design_fixture.h"

namespace corvane::testing {
namespace {

class ProductionListTest : public DesignTest {
 protected:
  void printList() { bomClick("Command14"); }
  bool printedText(const std::string& item) const {
    return std::any_of(host.printed.begin(), host.printed.end(), [&](const std::string& line) {
      return line.find("\"" + item + "\"") != std::string::npos;
    });
  }
};

// clang-format off
const std::vector<std::string> kTypicalList{
    "scale 0 0 210 290",
    "font 黑体 9",
    "font 黑体 14",
    "print 90 15 \"材料清单及成本核算\"",
    "line 5 20.4327777777778 205 20.4327777777778 255,0,0",
    "font 黑体 10",
    "print 205 20.4327777777778",
    "print 20 24.3133333333333 \"铁芯\"",
    "print 20 28.1938888888889 \"EI-48*30\" gap 2 \"H12-0.5A\" gap 2 \"345.6g\" gap 2 \"8.64元\"",
    "line 5 32.0744444444444 205 32.0744444444444 0,0,255",
    "print 205 32.0744444444444",
    "print 20 35.955 \"骨架\"",
    "print 20 39.8355555555556 \"EI-48*30\" gap 2 \"1\" gap 2 \"\" gap 2 \"\"",
    "line 5 43.7161111111111 205 43.7161111111111 0,0,255",
    "print 205 43.7161111111111",
    "print 20 47.5966666666667 \"引线\"",
    "print 20 51.4772222222222 \"UL1015\" gap 2 \"30AWG\" gap 2 \"200mm\" gap 2 \"0.5\" gap 2 \"0.20元\"",
    "print 20 55.3577777777778 \"UL1015\" gap 2 \"20AWG\" gap 2 \"200mm\" gap 2 \"0.5\" gap 2 \"0.20元\"",
    "line 5 59.2383333333333 205 59.2383333333333 0,0,255",
    "print 205 59.2383333333333",
    "print 20 63.1188888888889 \"漆包线\"",
    "print 20 66.9994444444444 \"2UEW\" gap 2 \"0.25\" gap 2 \"51.332g\" gap 2 \"30\" gap 2 \"1.54元\"",
    "print 20 70.88 \"2UEW\" gap 2 \"0.8\" gap 2 \"15.105g\" gap 2 \"30\" gap 2 \"0.45元\"",
    "line 5 74.7605555555555 205 74.7605555555555 0,0,255",
    "print 205 74.7605555555555",
    "print 20 78.6411111111111 \"绝缘胶带\"",
    "print 20 82.5216666666667 \"20\" gap 2 \"668.4\" gap 2 \"0.001\" gap 2 \"0.000元\"",
    "line 5 86.4022222222222 205 86.4022222222222 0,0,255",
    "print 205 86.4022222222222",
    "print 20 90.2827777777778 \"桥架\"",
    "print 20 94.1633333333333 \"EI-48*30\" gap 2 \"1\" gap 2 \"0.9\" gap 2 \"0.9元\"",
    "line 5 98.0438888888889 205 98.0438888888889 0,0,255",
    "print 205 98.0438888888889",
    "print 20 101.924444444444 \"快巴纸\"",
    "print 20 105.805 \"0.25*20*100mm\" gap 2 \"2PCS\" gap 2 \"0.26元\"",
    "print 20 109.685555555556 \"0.25*10*100mm\" gap 2 \"2PCS\" gap 2 \"0.20元\"",
    "line 5 113.566111111111 205 113.566111111111 0,0,255",
    "print 205 113.566111111111",
    "print 20 117.446666666667 \"接插件\"",
    "line 5 121.327222222222 205 121.327222222222 0,0,255",
    "print 205 121.327222222222",
    "print 20 125.207777777778 \"绝缘漆\"",
    "print 20 129.088333333333 \"8562/C\" gap 2 \"10.1\" gap 2 \"10\" gap 2 \"0.10元\"",
    "line 5 132.968888888889 205 132.968888888889 0,0,255",
    "print 205 132.968888888889",
    "print 20 136.849444444444 \"制作工时\" gap 4 \"288.0秒/PCS\"",
    "print 0 140.73",
    "print 20 144.610555555556 \"人工费\" gap 4 \"0.58元\"",
    "print 0 148.491111111111",
    "print 20 152.371666666667 \"其它费用\" gap 4 \"1元\"",
    "print 0 156.252222222222",
    "print 20 160.132777777778 \"毛利率\" gap 4 \"35%\"",
    "print 0 164.013333333333",
    "print 20 167.893888888889 \"税率\" gap 4 \"17%\"",
    "print 0 171.774444444445",
    "print 20 175.655 \"成本价\" gap 4 \"14.07元\"",
    "print 0 179.535555555556",
    "print 20 183.416111111111 \"税前价\" gap 4 \"21.65元\"",
    "print 0 187.296666666667",
    "print 20 191.177222222222 \"含税价\" gap 4 \"25.33元\"",
    "print 0 195.057777777778",
    "enddoc",
};
// clang-format on

TEST_F(ProductionListTest, TypicalDesignListsEveryGroupLineByLine) {
  bomClick("Command12");
  bomClick("Command13");
  printList();
  EXPECT_EQ(host.printed, kTypicalList);
}

TEST_F(ProductionListTest, BridgeBracketListsNoStandWhateverTheCheckBoxesSay) {
  bomClick("Check1");
  bomClick("Check8");
  printList();
  EXPECT_TRUE(printedText("桥架"));
  EXPECT_FALSE(printedText("支架"));
  EXPECT_FALSE(printedText("螺杆"));
  EXPECT_TRUE(printedText("磁屏蔽"));
  EXPECT_TRUE(printedText("48×154×0.5"));
  EXPECT_TRUE(printedText("28.3g"));
  EXPECT_FALSE(printedText("外屏蔽"));
}

TEST_F(ProductionListTest, StandListsItsBaseAndTheTickedParts) {
  bomClick("Option2");
  bomClick("Check3");  // no flat washers
  bomClick("Check6");
  bomSet("TxtTp", "T-2P");
  bomSet("TxtTpQ", "2");
  bomSet("TxtTpPrice", "0.15");
  printList();
  EXPECT_FALSE(printedText("桥架"));
  auto has = [&](const std::string& items) {
    return std::any_of(host.printed.begin(), host.printed.end(), [&](const std::string& line) {
      return line.find(items) != std::string::npos;
    });
  };
  EXPECT_TRUE(has("\"EI-48*30\" gap 2 \"4Pcs\" gap 2 \"0.2\" gap 2 \"0.8元\""));
  EXPECT_TRUE(has("\"螺杆\" gap 2 \"M5\" gap 2 \"4Pcs\" gap 2 \"1.20元\""));
  EXPECT_TRUE(has("\"绝缘套\" gap 2 \"5\" gap 2 \"8Pcs\" gap 2 \"0.32元\""));
  EXPECT_FALSE(printedText("平介"));
  EXPECT_TRUE(has("\"T-2P\" gap 2 \"2set\" gap 2 \"0.15\" gap 2 \"0.30元\""));
  EXPECT_FALSE(printedText("磁屏蔽"));
}

struct PrintedLine {
  double y = 0;
  bool text = false;
};

PrintedLine parsePrint(const std::string& line) {
  std::istringstream in(line);
  std::string verb;
  double x = 0;
  PrintedLine printed;
  in >> verb >> x >> printed.y;
  printed.text = line.find('"') != std::string::npos;
  return printed;
}

// Eleven windings with the stand, both connectors and both shields run past
// the page: the list goes on on a new page under its title, and no line
// reaches below the page's last line.
TEST_F(ProductionListTest, LongListBreaksThePageUnderTheTitleRepeated) {
  workspace.runEvent([&] { structure().resize(10); });
  bomClick("Option2");
  for (const char* box : {"Check6", "Check7", "Check8", "Check9"}) bomClick(box);
  printList();
  const size_t pages = countPrinted("newpage") + 1;
  ASSERT_EQ(pages, 2u);
  EXPECT_EQ(countPrinted("print 90 15 \"材料清单及成本核算\""), pages);
  const double lineHeight = 10 * 25.4 / 72;
  for (const std::string& line : host.printed) {
    if (line.rfind("print ", 0) != 0) continue;
    EXPECT_LE(parsePrint(line).y + lineHeight, kProductionListBottom + 1e-9) << line;
  }
  // every item once: eleven lead lines, the summary at the end
  size_t leads = std::count_if(host.printed.begin(), host.printed.end(), [](const std::string& l) {
    return l.find("\"200mm\"") != std::string::npos;
  });
  EXPECT_EQ(leads, 11u);
  auto after = printedFrom("newpage", 10);
  ASSERT_GE(after.size(), 7u);
  EXPECT_TRUE(parsePrint(after[7]).text) << after[7];  // content follows the title at once
  EXPECT_NE(host.printed[host.printed.size() - 2].find("print 0"), std::string::npos);
  EXPECT_TRUE(printedText("含税价"));
}

}  // namespace
}  // namespace corvane::testing
