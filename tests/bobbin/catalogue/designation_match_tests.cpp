// The designation search: the LIKE pattern handed to SQLite and the matcher
// the Access reader uses must find exactly the same designations.
#include "bobbin/catalogue/designation_match.h"

#include <gtest/gtest.h>

#include <string>

#include "bobbin/catalogue/sqlite_database.h"
#include "support/case_table.h"

namespace corvane {
namespace {

TEST(LikePattern, EscapesLikeWildcardsAndTurnsStarsIntoPercent) {
  testing::expectEachText(likePatternFor, {{"EI-48*30", "EI-48%30%"},
                                           {"  EI-48*30 \t", "EI-48%30%"},
                                           {"50%_x\\y", "50\\%\\_x\\\\y%"},
                                           {"a**b***", "a%b%"},
                                           {"\\*", "\\\\%"},
                                           {"", "%"},
                                           {"'\";--", "'\";--%"}});
}

struct MatchCase {
  const char* search;
  const char* designation;
  bool found;
};

// clang-format off
constexpr MatchCase kCases[] = {
  {"EI-48*30",   "EI-48*30",        true},
  {"EI-48*30",   "EI-48*30-1",      true},
  {"EI-48*30",   "EI-48X30",        true},   // '*' stands for the X
  {"EI-48*30",   "EI-48*32",        false},
  {"EI-48*30",   "EI-4830",         true},   // '*' may stand for nothing
  {"EI-48*30",   "EI-54*30",        false},
  {"EI-48*30",   "XEI-48*30",       false},  // starts with, not contains
  {"ei-48*30",   "EI-48*30",        true},   // ASCII case is ignored
  {" EI-48 ",    "EI-48*30",        true},
  {"",           "anything",        true},
  {"",           "",                true},
  {"EI",         "",                false},
  {"EI-48*30*",  "EI-48*30",        true},
  {"a*b*c",      "aXbYbZc",         true},   // the last b before c must be tried
  {"a*bc",       "abbbc",           true},
  {"a*bc",       "abbb",            false},
  {"EI-48_30",   "EI-48X30",        false},  // '_' is no wildcard
  {"EI-48_30",   "EI-48_30",        true},
  {"EI-48%",     "EI-48*30",        false},  // '%' is no wildcard
  {"EI-48%",     "EI-48%30",        true},
  {"EI\\48",     "EI\\48",          true},
  {"EI\\48",     "EI48",            false},
  {"EI'48",      "EI'48",           true},
  {"EI\"48",     "EI\"48",          true},
  {"EI?48",      "EI-48",           false},  // no single-character wildcard
  {"EI#48",      "EI148",           false},
  {"EI[4]8",     "EI48",            false},
  {"标准*工字",   "标准骨架 工字型",    true},
  {"标准骨架",    "标准骨",            false},
  {"É",          "é",               false},  // only ASCII letters fold
};
// clang-format on

TEST(DesignationMatch, FindsWhatTheSearchTextDescribes) {
  for (const MatchCase& c : kCases)
    EXPECT_EQ(designationMatches(c.search, c.designation), c.found)
        << "search \"" << c.search << "\" designation \"" << c.designation << "\"";
}

TEST(DesignationMatch, AgreesWithSqliteLikeOnEveryCase) {
  sqlite::Database db = sqlite::Database::openForWriting(":memory:");
  sqlite::Statement like = db.prepare("SELECT ?2 LIKE ?1 ESCAPE '\\'");
  for (const MatchCase& c : kCases) {
    like.reset();
    like.bindText(1, likePatternFor(c.search));
    like.bindText(2, c.designation);
    ASSERT_TRUE(like.step());
    EXPECT_EQ(like.columnText(0) == "1", designationMatches(c.search, c.designation))
        << "search \"" << c.search << "\" designation \"" << c.designation << "\"";
  }
}

TEST(DesignationMatch, ManyStarsAgainstALongDesignationStayFast) {
  const std::string designation(20000, 'a');
  std::string search;
  for (int i = 0; i < 200; ++i) search += "a*";
  search += "b";
  EXPECT_FALSE(designationMatches(search, designation));
}

}  // namespace
}  // namespace corvane
