#include <gtest/gtest.h>

#include "bobbin_fixture.h"
#include "model/design_history.h"

namespace corvane::testing {
namespace {

constexpr const char* kRecordFields[] = {"Text7",   "Text5",   "Text6", "Text1", "Text2",
                                         "TxtBbC1", "TxtBbC2", "Text4", "Text3"};

class BobbinCatalogueTest : public BobbinTest {
 protected:
  bool recordFieldsEmpty() {
    for (const char* name : kRecordFields)
      if (!text(name).empty()) return false;
    return true;
  }
};

// ---------------------------------------------------------------- the record view

TEST_F(BobbinCatalogueTest, TypeChoiceShowsTheFirstBobbinOfTheCore) {
  click("OPTG");
  EXPECT_TRUE(shows({{"Text7", "标准骨架"},
                     {"Text5", "EI-48*30"},
                     {"Text6", "GZ-48-30"},
                     {"Text1", "23.5"},
                     {"Text2", "19"},
                     {"TxtBbC1", "21"},
                     {"TxtBbC2", ""},
                     {"Text4", "6"},
                     {"Text3", "33"}}));
  EXPECT_EQ(caption("Data1Pos"), "记录 1/1");
  EXPECT_EQ(catalogues.searches.back().table, "EIB1");

  click("OPTW");
  EXPECT_EQ(text("Text6"), "WZ-48-30");
  EXPECT_EQ(text("TxtBbC2"), "9.75");
  click("Option1");
  EXPECT_EQ(text("Text6"), "CT-48-30");
  EXPECT_EQ(catalogues.searches.back().table, "EIB3");
}

TEST_F(BobbinCatalogueTest, NavigationMovesThroughTheMatches) {
  click("OPTG");
  set("Text8", "EI-");
  EXPECT_EQ(caption("Data1Pos"), "记录 1/3");
  EXPECT_EQ(text("Text6"), "GZ-48-24");
  click("Data1Prev");  // already at the first
  EXPECT_EQ(text("Text6"), "GZ-48-24");
  click("Data1Next");
  EXPECT_EQ(text("Text6"), "GZ-48-30");
  EXPECT_EQ(caption("Data1Pos"), "记录 2/3");
  click("Data1Last");
  EXPECT_EQ(text("Text6"), "GZ-54-30");
  click("Data1Next");  // already at the last
  EXPECT_EQ(caption("Data1Pos"), "记录 3/3");
  click("Data1First");
  EXPECT_EQ(text("Text6"), "GZ-48-24");
  // a new search starts at its first match
  click("Data1Last");
  set("Text8", "EI-48");
  EXPECT_EQ(caption("Data1Pos"), "记录 1/2");
}

TEST_F(BobbinCatalogueTest, StarMatchesAnyRunAndTheSearchKeepsOtherCharacters) {
  click("OPTG");
  set("Text8", "EI-*30");
  EXPECT_EQ(caption("Data1Pos"), "记录 1/2");
  EXPECT_EQ(text("Text6"), "GZ-48-30");
  // the catalogue receives the text as typed; it never becomes query syntax
  for (const char* typed : {"EI-48%", "EI_48", "EI-48'; DROP TABLE EIB1; --", "EI-\"48\""}) {
    set("Text8", typed);
    EXPECT_EQ(catalogues.searches.back().text, typed);
    EXPECT_EQ(caption("Data1Pos"), "记录 0/0") << typed;
    EXPECT_TRUE(recordFieldsEmpty()) << typed;
  }
  EXPECT_EQ(caption("LblStatus"), "骨架目录：/data/bobbins.sqlite");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(BobbinCatalogueTest, UnknownDesignationEmptiesTheRecordAndKeepsTheWindow) {
  click("OPTG");
  set("Text8", "EI-200*60");
  EXPECT_TRUE(recordFieldsEmpty());
  EXPECT_EQ(caption("Data1Pos"), "记录 0/0");
  EXPECT_EQ(text("TXTBSW"), "126.0");
  EXPECT_TRUE(host.messages.empty());
  click("Data1Next");  // nothing to move through
  EXPECT_TRUE(recordFieldsEmpty());
}

// ---------------------------------------------------------------- catalogues that cannot be read

TEST_F(BobbinCatalogueTest, MissingCatalogueLeavesTheFormWorkingAndSaysSoOnce) {
  catalogues.files.clear();
  form().show();
  click("OPTG");
  set("Text8", "EI-48");
  EXPECT_EQ(text("TXTCK1"), "21");
  EXPECT_EQ(text("TXTBSW"), "126.0");
  EXPECT_TRUE(recordFieldsEmpty());
  EXPECT_EQ(caption("LblStatus"), "无法读取骨架目录“/data/bobbins.sqlite”：文件或文件夹不存在");
  EXPECT_EQ(catalogues.opened.size(), 1u);  // not tried again at every look-up
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(BobbinCatalogueTest, CorruptCatalogueReportsTheReadErrorAndShowsNoRecord) {
  catalogues.files[kShipped].readError = "file is not a database";
  click("OPTG");
  EXPECT_TRUE(recordFieldsEmpty());
  EXPECT_EQ(caption("LblStatus"), "无法读取骨架目录“/data/bobbins.sqlite”：file is not a database");
  EXPECT_EQ(text("TXTLD"), "104.0");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(BobbinCatalogueTest, ChoosingTheSupplierAgainRetriesTheShippedCatalogue) {
  FakeCatalogueFile shipped = catalogues.files[kShipped];
  catalogues.files.clear();
  click("OPTW");
  EXPECT_TRUE(recordFieldsEmpty());
  catalogues.files[kShipped] = shipped;
  chooseSupplier(Frmbobbin::kShippedCatalogueItem);
  // the supplier choice looks up the one-slot bobbin of the core
  EXPECT_EQ(field("OPTG").value(), 1);
  EXPECT_EQ(text("Text6"), "GZ-48-30");
  EXPECT_EQ(caption("LblStatus"), "骨架目录：/data/bobbins.sqlite");
}

// ---------------------------------------------------------------- the user's own catalogue

class UserCatalogueTest : public BobbinCatalogueTest {
 protected:
  static constexpr const char* kOwn = "/home/designer/own.sqlite";
  UserCatalogueTest() {
    catalogues.files[kOwn].tables["EIB1"] = {bobbinRow("自制", "EI-48*30", "OWN-1", "20.5")};
  }
};

TEST_F(UserCatalogueTest, OtherCatalogueEntryOpensTheChosenFileAndRepeatsTheLookUp) {
  click("OPTG");
  host.files.push_back(kOwn);
  chooseSupplier(Frmbobbin::kOtherCatalogueItem);
  ASSERT_EQ(host.filtersSeen.size(), 1u);
  EXPECT_EQ(host.filtersSeen[0], Frmbobbin::kCatalogueFilter);
  EXPECT_EQ(text("Text6"), "OWN-1");
  EXPECT_EQ(text("Text7"), "自制");
  EXPECT_EQ(caption("LblStatus"), std::string("骨架目录：") + kOwn);
  EXPECT_EQ(text("Combo1"), Frmbobbin::kOtherCatalogueItem);
  // later look-ups stay with it
  click("OPTW");
  EXPECT_EQ(catalogues.searches.back().path, kOwn);
  EXPECT_TRUE(recordFieldsEmpty());
}

TEST_F(UserCatalogueTest, CancelledChooserKeepsTheCatalogueInUse) {
  click("OPTG");
  chooseSupplier(Frmbobbin::kOtherCatalogueItem);  // no file queued: the chooser is cancelled
  EXPECT_EQ(text("Combo1"), Frmbobbin::kShippedCatalogueItem);
  EXPECT_EQ(text("Text6"), "GZ-48-30");
  EXPECT_EQ(form().catalogue()->path(), kShipped);
}

TEST_F(UserCatalogueTest, UnreadableFileKeepsTheCatalogueInUseAndSaysBoth) {
  click("OPTG");
  EXPECT_FALSE(form().openUserCatalogue("/tmp/gone.mdb"));
  EXPECT_EQ(caption("LblStatus"),
            "无法读取骨架目录“/tmp/gone.mdb”：文件或文件夹不存在；仍使用 /data/bobbins.sqlite");
  EXPECT_EQ(text("Text6"), "GZ-48-30");
  EXPECT_EQ(text("Combo1"), Frmbobbin::kShippedCatalogueItem);

  host.files.push_back("/tmp/gone.mdb");
  chooseSupplier(Frmbobbin::kOtherCatalogueItem);
  EXPECT_EQ(text("Combo1"), Frmbobbin::kShippedCatalogueItem);
  EXPECT_EQ(form().catalogue()->path(), kShipped);
}

TEST_F(UserCatalogueTest, OpenedBeforeAnyLookUpItReplacesTheShippedOne) {
  EXPECT_TRUE(form().openUserCatalogue(kOwn));
  click("OPTG");
  EXPECT_EQ(text("Text6"), "OWN-1");
  for (const std::string& path : catalogues.opened) EXPECT_EQ(path, kOwn);
}

// Undo of the file's choice gives back the catalogue in use before it, none
// included: a shipped catalogue that could not be read is not replaced by
// the user's file staying in use.
TEST_F(UserCatalogueTest, UndoOfTheChoiceGivesBackNoCatalogueWhereThereWasNone) {
  catalogues.files.erase(kShipped);
  click("OPTG");
  ASSERT_EQ(form().catalogue(), nullptr);
  host.files.push_back(kOwn);
  chooseSupplier(Frmbobbin::kOtherCatalogueItem);
  ASSERT_NE(form().catalogue(), nullptr);
  ASSERT_TRUE(workspace.history().undo());
  EXPECT_EQ(form().catalogue(), nullptr);
  ASSERT_TRUE(workspace.history().redo());
  ASSERT_NE(form().catalogue(), nullptr);
  EXPECT_EQ(form().catalogue()->path(), kOwn);
}

}  // namespace
}  // namespace corvane::testing
