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
    "line 5 19.9388888888889 205 19.9388888888889 255,0,0",
    "font 黑体 10",
    "print 205 19.9388888888889",
    "print 20 23.4666666666667 \"铁芯\"",
    "print 20 26.9944444444444 \"EI-48*30\" gap 2 \"H12-0.5A\" gap 2 \"345.6g\" gap 2 \"8.64元\"",
    "line 5 30.5222222222222 205 30.5222222222222 0,0,255",
    "print 205 30.5222222222222",
    "print 20 34.05 \"骨架\"",
    "print 20 37.5777777777778 \"EI-48*30\" gap 2 \"1\" gap 2 \"\" gap 2 \"\"",
    "line 5 41.1055555555556 205 41.1055555555556 0,0,255",
    "print 205 41.1055555555556",
    "print 20 44.6333333333333 \"引线\"",
    "print 20 48.1611111111111 \"UL1015\" gap 2 \"30AWG\" gap 2 \"200mm\" gap 2 \"0.5\" gap 2 \"0.20元\"",
    "print 20 51.6888888888889 \"UL1015\" gap 2 \"20AWG\" gap 2 \"200mm\" gap 2 \"0.5\" gap 2 \"0.20元\"",
    "line 5 55.2166666666667 205 55.2166666666667 0,0,255",
    "print 205 55.2166666666667",
    "print 20 58.7444444444445 \"漆包线\"",
    "print 20 62.2722222222222 \"2UEW\" gap 2 \"0.25\" gap 2 \"51.332g\" gap 2 \"30\" gap 2 \"1.54元\"",
    "print 20 65.8 \"2UEW\" gap 2 \"0.8\" gap 2 \"15.105g\" gap 2 \"30\" gap 2 \"0.45元\"",
    "line 5 69.3277777777778 205 69.3277777777778 0,0,255",
    "print 205 69.3277777777778",
    "print 20 72.8555555555556 \"绝缘胶带\"",
    "print 20 76.3833333333333 \"20\" gap 2 \"668.4\" gap 2 \"0.001\" gap 2 \"0.000元\"",
    "line 5 79.9111111111111 205 79.9111111111111 0,0,255",
    "print 205 79.9111111111111",
    "print 20 83.4388888888889 \"桥架\"",
    "print 20 86.9666666666666 \"EI-48*30\" gap 2 \"1\" gap 2 \"0.9\" gap 2 \"0.9元\"",
    "line 5 90.4944444444444 205 90.4944444444444 0,0,255",
    "print 205 90.4944444444444",
    "print 20 94.0222222222222 \"快巴纸\"",
    "print 20 97.55 \"0.25*20*100mm\" gap 2 \"2PCS\" gap 2 \"0.26元\"",
    "print 20 101.077777777778 \"0.25*10*100mm\" gap 2 \"2PCS\" gap 2 \"0.20元\"",
    "line 5 104.605555555555 205 104.605555555555 0,0,255",
    "print 205 104.605555555555",
    "print 20 108.133333333333 \"接插件\"",
    "line 5 111.661111111111 205 111.661111111111 0,0,255",
    "print 205 111.661111111111",
    "print 20 115.188888888889 \"绝缘漆\"",
    "print 20 118.716666666667 \"8562/C\" gap 2 \"10.1\" gap 2 \"10\" gap 2 \"0.10元\"",
    "line 5 122.244444444444 205 122.244444444444 0,0,255",
    "print 205 122.244444444444",
    "print 20 125.772222222222 \"制作工时\" gap 4 \"288.0秒/PCS\"",
    "print 0 129.3",
    "print 20 132.827777777778 \"人工费\" gap 4 \"0.58元\"",
    "print 0 136.355555555555",
    "print 20 139.883333333333 \"其它费用\" gap 4 \"1元\"",
    "print 0 143.411111111111",
    "print 20 146.938888888889 \"毛利率\" gap 4 \"35%\"",
    "print 0 150.466666666667",
    "print 20 153.994444444444 \"税率\" gap 4 \"17%\"",
    "print 0 157.522222222222",
    "print 20 161.05 \"成本价\" gap 4 \"14.07元\"",
    "print 0 164.577777777778",
    "print 20 168.105555555555 \"税前价\" gap 4 \"21.65元\"",
    "print 0 171.633333333333",
    "print 20 175.161111111111 \"含税价\" gap 4 \"25.33元\"",
    "print 0 178.688888888889",
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
