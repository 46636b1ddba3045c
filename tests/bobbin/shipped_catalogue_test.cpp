// The bobbin form on the shipped catalogue, as the program builds it.
#include <gtest/gtest.h>

#include "bobbin/catalogue/bobbin_catalogue.h"

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
    std::string error;
    catalogue = openBobbinCatalogue(defaultBobbinCataloguePath(), error);
    ASSERT_TRUE(catalogue) << error;
  }
  std::vector<BobbinRecord> find(const char* table, const std::string& text) {
    std::string error;
    std::vector<BobbinRecord> rows = catalogue->find(table, text, error);
    EXPECT_EQ(error, "") << text;
    return rows;
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

}  // namespace
}  // namespace corvane
