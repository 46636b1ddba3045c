#include "bom/production_list.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    "line 15 20.4327777777778 195 20.4327777777778 255,0,0",
    "font 黑体 10",
    "print 195 20.4327777777778",
    "print 20 24.3133333333333 \"铁芯\"",
    "print 20 28.1938888888889 \"铁芯规格  片材\"",
    "print 100 28.1938888888889 \"重量(g)\"",
    "print 130 28.1938888888889 \"单价(元/kg)\"",
    "print 162 28.1938888888889 \"成本(元)\"",
    "print 20 32.0744444444444 \"EI-48*30  H12-0.5A\"",
    "print 100 32.0744444444444 \"345.6g\"",
    "print 130 32.0744444444444 \"25\"",
    "print 162 32.0744444444444 \"8.64\"",
    "line 15 35.955 195 35.955 0,0,255",
    "print 195 35.955",
    "print 20 39.8355555555556 \"骨架\"",
    "print 20 43.7161111111111 \"规格描述\"",
    "print 100 43.7161111111111 \"用量(PCS)\"",
    "print 130 43.7161111111111 \"单价(元/PCS)\"",
    "print 162 43.7161111111111 \"成本(元)\"",
    "print 20 47.5966666666667 \"EI-48*30\"",
    "print 100 47.5966666666667 \"1\"",
    "line 15 51.4772222222222 195 51.4772222222222 0,0,255",
    "print 195 51.4772222222222",
    "print 20 55.3577777777778 \"引线\"",
    "print 20 59.2383333333333 \"引线型号  规格\"",
    "print 100 59.2383333333333 \"长度(mm)\"",
    "print 130 59.2383333333333 \"单价(元/m)\"",
    "print 162 59.2383333333333 \"成本(元)\"",
    "print 20 63.1188888888889 \"UL1015  30AWG\"",
    "print 100 63.1188888888889 \"200\"",
    "print 130 63.1188888888889 \"0.5\"",
    "print 162 63.1188888888889 \"0.20\"",
    "print 20 66.9994444444444 \"UL1015  20AWG\"",
    "print 100 66.9994444444444 \"200\"",
    "print 130 66.9994444444444 \"0.5\"",
    "print 162 66.9994444444444 \"0.20\"",
    "line 15 70.88 195 70.88 0,0,255",
    "print 195 70.88",
    "print 20 74.7605555555555 \"漆包线\"",
    "print 20 78.6411111111111 \"线型  线径(mm)\"",
    "print 100 78.6411111111111 \"用量(g)\"",
    "print 130 78.6411111111111 \"单价(元/kg)\"",
    "print 162 78.6411111111111 \"成本(元)\"",
    "print 20 82.5216666666667 \"2UEW  0.25\"",
    "print 100 82.5216666666667 \"51.332g\"",
    "print 130 82.5216666666667 \"30\"",
    "print 162 82.5216666666667 \"1.54\"",
    "print 20 86.4022222222222 \"2UEW  0.8\"",
    "print 100 86.4022222222222 \"15.105g\"",
    "print 130 86.4022222222222 \"30\"",
    "print 162 86.4022222222222 \"0.45\"",
    "line 15 90.2827777777778 195 90.2827777777778 0,0,255",
    "print 195 90.2827777777778",
    "print 20 94.1633333333333 \"绝缘胶带\"",
    "print 20 98.0438888888889 \"胶带宽度(mm)\"",
    "print 100 98.0438888888889 \"长度(mm)\"",
    "print 130 98.0438888888889 \"单价(元/mm)\"",
    "print 162 98.0438888888889 \"成本(元)\"",
    "print 20 101.924444444444 \"20\"",
    "print 100 101.924444444444 \"668.4\"",
    "print 130 101.924444444444 \"0.001\"",
    "print 162 101.924444444444 \"0.000\"",
    "line 15 105.805 195 105.805 0,0,255",
    "print 195 105.805",
    "print 20 109.685555555556 \"桥架\"",
    "print 20 113.566111111111 \"规格描述\"",
    "print 100 113.566111111111 \"用量(PCS)\"",
    "print 130 113.566111111111 \"单价(元/PCS)\"",
    "print 162 113.566111111111 \"成本(元)\"",
    "print 20 117.446666666667 \"EI-48*30\"",
    "print 100 117.446666666667 \"1\"",
    "print 130 117.446666666667 \"0.9\"",
    "print 162 117.446666666667 \"0.9\"",
    "line 15 121.327222222222 195 121.327222222222 0,0,255",
    "print 195 121.327222222222",
    "print 20 125.207777777778 \"快巴纸\"",
    "print 20 129.088333333333 \"规格描述\"",
    "print 100 129.088333333333 \"用量(PCS)\"",
    "print 130 129.088333333333 \"单价(元/PCS)\"",
    "print 162 129.088333333333 \"成本(元)\"",
    "print 20 132.968888888889 \"0.25*20*100mm\"",
    "print 100 132.968888888889 \"2\"",
    "print 130 132.968888888889 \"0.13\"",
    "print 162 132.968888888889 \"0.26\"",
    "print 20 136.849444444444 \"0.25*10*100mm\"",
    "print 100 136.849444444444 \"2\"",
    "print 130 136.849444444444 \"0.1\"",
    "print 162 136.849444444444 \"0.20\"",
    "line 15 140.73 195 140.73 0,0,255",
    "print 195 140.73",
    "print 20 144.610555555556 \"绝缘漆\"",
    "print 20 148.491111111111 \"型号\"",
    "print 100 148.491111111111 \"用量(g)\"",
    "print 130 148.491111111111 \"单价(元/kg)\"",
    "print 162 148.491111111111 \"成本(元)\"",
    "print 20 152.371666666667 \"8562/C\"",
    "print 100 152.371666666667 \"10.1\"",
    "print 130 152.371666666667 \"10\"",
    "print 162 152.371666666667 \"0.10\"",
    "line 15 156.252222222222 195 156.252222222222 0,0,255",
    "print 195 156.252222222222",
    "print 20 160.132777777778 \"制作工时\" gap 4 \"288.0秒/PCS\"",
    "print 0 164.013333333333",
    "print 20 167.893888888889 \"人工费\" gap 4 \"0.58元\"",
    "print 0 171.774444444445",
    "print 20 175.655 \"其它费用\" gap 4 \"1元\"",
    "print 0 179.535555555556",
    "print 20 183.416111111111 \"毛利率\" gap 4 \"35%\"",
    "print 0 187.296666666667",
    "print 20 191.177222222222 \"税率\" gap 4 \"17%\"",
    "print 0 195.057777777778",
    "print 20 198.938333333333 \"成本价\" gap 4 \"14.07元\"",
    "print 0 202.818888888889",
    "print 20 206.699444444445 \"税前价\" gap 4 \"21.65元\"",
    "print 0 210.58",
    "print 20 214.460555555556 \"含税价\" gap 4 \"25.33元\"",
    "print 0 218.341111111111",
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
  EXPECT_TRUE(printedText("28.3"));
  EXPECT_TRUE(printedText("重量(g)"));  // the unit in the header, once
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
  // each item a row of cells: description, quantity, price, cost
  auto row = [&](const std::string& description) {
    std::vector<std::string> cells;
    // the stand's group, after the bobbin's line of the same core name
    auto from = std::find_if(host.printed.begin(), host.printed.end(),
                             [](const std::string& l) { return l.ends_with("\"支架\""); });
    auto it = std::find_if(from, host.printed.end(), [&](const std::string& l) {
      return l.rfind("print 20 ", 0) == 0 && l.ends_with("\"" + description + "\"");
    });
    if (it == host.printed.end()) return cells;
    const std::string y = it->substr(9, it->find(' ', 9) - 9);
    for (const char* x : {"20", "100", "130", "162"}) {
      const std::string start = "print " + std::string(x) + " " + y + " ";
      auto cell = std::find_if(it, host.printed.end(),
                               [&](const std::string& l) { return l.rfind(start, 0) == 0; });
      cells.push_back(cell == host.printed.end() ? "" : cell->substr(start.size()));
    }
    return cells;
  };
  EXPECT_EQ(row("EI-48*30"),
            (std::vector<std::string>{"\"EI-48*30\"", "\"4Pcs\"", "\"0.2\"", "\"0.8\""}));
  EXPECT_EQ(row("螺杆  M5"),
            (std::vector<std::string>{"\"螺杆  M5\"", "\"4Pcs\"", "\"0.3\"", "\"1.20\""}));
  EXPECT_EQ(row("绝缘套  5"),
            (std::vector<std::string>{"\"绝缘套  5\"", "\"8Pcs\"", "\"0.04\"", "\"0.32\""}));
  EXPECT_FALSE(printedText("平介  M5"));
  EXPECT_EQ(row("T-2P"), (std::vector<std::string>{"\"T-2P\"", "\"2\"", "\"0.15\"", "\"0.30\""}));
  EXPECT_TRUE(printedText("用量(set)"));
  EXPECT_FALSE(printedText("磁屏蔽"));
}

// No group without items: the connectors' title and headers go when no
// connector is ticked, and come with the first one ticked.
TEST_F(ProductionListTest, AGroupWithoutItemsIsLeftOut) {
  printList();
  EXPECT_FALSE(printedText("接插件"));
  EXPECT_FALSE(printedText("用量(set)"));
  host.printed.clear();
  bomClick("Check7");
  printList();
  EXPECT_TRUE(printedText("接插件"));
  EXPECT_TRUE(printedText("用量(set)"));
}

// Every rule and every text start keeps 15 mm from the sheet's edges, on
// every page of a list long enough to break.
TEST_F(ProductionListTest, EveryMarkKeepsTheMargins) {
  workspace.runEvent([&] { structure().resize(10); });
  bomClick("Option2");
  for (const char* box : {"Check6", "Check7", "Check8", "Check9"}) bomClick(box);
  printList();
  const double lineHeight = 10 * 25.4 / 72;
  for (const std::string& line : host.printed) {
    std::istringstream in(line);
    std::string verb;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    in >> verb >> x1 >> y1;
    if (verb == "line") {
      in >> x2 >> y2;
      EXPECT_GE(std::min(x1, x2), 15) << line;
      EXPECT_LE(std::max(x1, x2), 195) << line;
      EXPECT_LE(std::max(y1, y2), 275) << line;
    } else if (verb == "print" && line.find('"') != std::string::npos) {
      EXPECT_GE(x1, 15) << line;
      EXPECT_LE(x1, 195) << line;
      EXPECT_GE(y1, 15) << line;
      EXPECT_LE(y1 + lineHeight, 275 + 1e-9) << line;
    }
  }
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
    return l.rfind("print 100 ", 0) == 0 && l.ends_with("\"200\"");
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
