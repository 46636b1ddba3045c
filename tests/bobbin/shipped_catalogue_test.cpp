// The bobbin form on the shipped catalogue, as the program builds it.
#include <gtest/gtest.h>

#include "bobbin/bobbin_types.h"
#include "bobbin/catalogue/bobbin_catalogue.h"
#include "bobbin/window_figures.h"
#include "core/lamination_catalogue.h"
#include "model/value.h"

namespace corvane {
namespace {

struct Expected {
  const char* table;
  const char* partno;
  const char* slot1;
  const char* slot2;
};

class ShippedCatalogue : public ::testing::Test {
 protected:
  void SetUp() override {
    auto opened = openBobbinCatalogue(defaultBobbinCataloguePath());
    ASSERT_TRUE(opened) << opened.reason();
    catalogue = std::move(opened.value());
  }
  std::vector<BobbinRecord> find(const char* table, const std::string& text) {
    auto rows = catalogue->find(table, text);
    EXPECT_TRUE(rows) << text << ": " << rows.reason();
    return rows ? rows.value() : std::vector<BobbinRecord>{};
  }
  std::unique_ptr<BobbinCatalogue> catalogue;
};

TEST_F(ShippedCatalogue, Ei48Stack30HasOneBobbinOfEachType) {
  // clang-format off
  const Expected expected[] = {
      {"EIB1", "GZ-48-30", "21",   ""},
      {"EIB2", "WZ-48-30", "9.75", "9.75"},
      {"EIB3", "CT-48-30", "9.75", "9.75"},
  };
  // clang-format on
  for (const Expected& e : expected) {
    std::vector<BobbinRecord> rows = find(e.table, "EI-48*30");
    ASSERT_EQ(rows.size(), 1u) << e.table;
    const BobbinRecord& row = rows[0];
    EXPECT_EQ(row.SUP, "标准骨架");
    EXPECT_EQ(row.specification, "EI-48*30");
    EXPECT_EQ(row.partno, e.partno);
    EXPECT_EQ(row.A, "23.5");
    EXPECT_EQ(row.B, "19");
    EXPECT_EQ(row.C1, e.slot1);
    EXPECT_EQ(row.C2, e.slot2);
    EXPECT_EQ(row.D, "6");
    EXPECT_EQ(row.F, "33");
  }
}

TEST_F(ShippedCatalogue, QuerySyntaxInTheSearchMatchesLiterally) {
  ASSERT_FALSE(find("EIB1", "EI-48").empty());
  // each of these would match rows if it reached the query as syntax
  for (const char* text : {"%", "EI-48%", "_I-48", "EI_48*30", "'", "EI-48' OR '1'='1", "\"",
                           "EI-48\" OR \"1\"=\"1", "EI-48*30'; DROP TABLE EIB1; --"})
    EXPECT_TRUE(find("EIB1", text).empty()) << text;
  EXPECT_EQ(find("EIB1", "EI-48").size(), 7u);  // the table is still there
}

// Every bobbin of the shipped catalogue agrees with the standard lamination
// its designation names, and its slots with what the bobbin form proposes
// for that core.
TEST_F(ShippedCatalogue, EveryRowAgreesWithTheLaminationTable) {
  size_t checked = 0;
  for (const bobbin::BobbinType& type : bobbin::kBobbinTypes) {
    for (const BobbinRecord& row : find(std::string(type.table).c_str(), "EI-")) {
      SCOPED_TRACE(row.specification);
      const std::string& name = row.specification;
      const size_t star = name.find('*');
      ASSERT_NE(star, std::string::npos);
      const double length = Val(name.substr(3, star - 3));
      const double stack = Val(name.substr(star + 1));
      const core::StandardEiRow* lamination = core::standardLaminationFor(length);
      ASSERT_NE(lamination, nullptr);
      if (lamination->length != length) continue;  // EI75: not a standard lamination
      const double h = core::windowHeightOf(*lamination);
      const bobbin::SlotProposal proposal =
          bobbin::proposedSlots(type, h, lamination->windowWidth, lamination->tongue, stack);
      EXPECT_EQ(Val(row.A), Val(formatFixed(h - 0.5, 2)));
      EXPECT_EQ(row.B, proposal.base1);
      EXPECT_EQ(row.F, proposal.base2);
      EXPECT_EQ(row.D, proposal.depth);
      EXPECT_EQ(Val(row.C1), Val(formatFixed(Val(proposal.slotWidth), 2)));
      EXPECT_EQ(row.C2.empty(), type.slots == 1);
      if (type.slots == 2) {
        EXPECT_EQ(row.C2, row.C1);
      }
      ++checked;
    }
  }
  EXPECT_GT(checked, 300u);
}

}  // namespace
}  // namespace corvane
