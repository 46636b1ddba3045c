// The bobbin form with the real electrical and core forms and the shipped
// catalogue: what a designer sees going core -> bobbin -> electrical.
#include <gtest/gtest.h>

#include "app/form_catalog.h"

#include "../electrical/test_host.h"
#include "bobbin/frmbobbin.h"
#include "core/frmcore.h"
#include "electrical/frmeledata.h"
#include "model/shared_values.h"
#include "model/workspace.h"
#include "support/field_texts.h"

namespace corvane::testing {
namespace {

class BobbinChainTest : public ::testing::Test {
 protected:
  BobbinChainTest() { registerAllForms(workspace); }
  Form& core() { return workspace.form(Frmcore::kName); }
  Form& bobbin() { return workspace.form(Frmbobbin::kName); }
  std::string coreText(const char* name) { return core().control(name).text(); }
  std::string bobbinText(const char* name) { return bobbin().control(name).text(); }
  ::testing::AssertionResult coreShows(FieldTexts expected) {
    return fieldsShow(expected, [this](const char* name) { return coreText(name); });
  }
  ::testing::AssertionResult bobbinShows(FieldTexts expected) {
    return fieldsShow(expected, [this](const char* name) { return bobbinText(name); });
  }
  void setCore(const char* name, const char* value) {
    core().userSetText(core().control(name), value);
  }
  void setBobbin(const char* name, const char* value) {
    bobbin().userSetText(bobbin().control(name), value);
  }
  void clickBobbin(const char* name) { bobbin().userClick(bobbin().control(name)); }

  // EI48 with a 30 mm stack on the core form, as a designer picks it there.
  void pickEi48Stack30() {
    core().show();
    setCore("txtautocore", "47");
    setCore("TxtB", "30");
  }

  TestHost host;
  Workspace workspace{host};
};

TEST_F(BobbinChainTest, SizeAndStackTypedOnTheBobbinFormSnapTheCore) {
  setBobbin("Text9", "48");
  setBobbin("Text10", "30");
  EXPECT_EQ(bobbinText("Text8"), "EI-48*30");
  EXPECT_TRUE(
      coreShows({{"TXTL", "48"}, {"txth", "24"}, {"txtc", "8"}, {"TXTa", "16"}, {"TxtB", "30"}}));
  EXPECT_EQ(coreText("txtcname"), "EI-48*30");
}

TEST_F(BobbinChainTest, CoreBobbinCommandShowsTheDrawerBobbinOfTheCore) {
  pickEi48Stack30();
  core().userClick(core().control("CMDBB"));
  EXPECT_TRUE(bobbin().visible());
  EXPECT_FALSE(core().visible());
  EXPECT_EQ(bobbin().control("Option1").value(), 1);
  EXPECT_TRUE(bobbinShows({{"txtbname", "EI-48*30"},
                           {"TXTCK1", "9.75"},
                           {"txtCK2", "9.75"},
                           {"TXTBSW", "117.0"},
                           {"Text6", "CT-48-30"}}));
}

TEST_F(BobbinChainTest, Ei48OneSlotBobbinHandsOverToTheElectricalForm) {
  Form& electrical = workspace.form(Frmeledata::kName);
  electrical.show();
  electrical.userClick(electrical.control("cmdcore"));
  pickEi48Stack30();
  core().userClick(core().control("CMDBB"));
  clickBobbin("OPTG");
  EXPECT_TRUE(bobbinShows({{"TXTCK1", "21"},
                           {"TXTCh", "6"},
                           {"TXTld1", "19"},
                           {"TXTld2", "33"},
                           {"TXTBSW", "126.0"},
                           {"TXTLD", "104.0"},
                           {"TxtTapeW", "18"},
                           {"Text5", "EI-48*30"},
                           {"Text6", "GZ-48-30"}}));
  EXPECT_EQ(bobbin().control("Data1Pos").caption(), "记录 1/1");

  clickBobbin("cmdele");
  EXPECT_TRUE(electrical.visible());
  EXPECT_FALSE(bobbin().visible());
  EXPECT_TRUE(electrical.control("CMDJIEDOU").enabled());
  EXPECT_EQ(workspace.shared().gBobbinCk1Ref.num(workspace), 21);
  EXPECT_EQ(workspace.shared().gBobbinChRef.num(workspace), 6);
}

TEST_F(BobbinChainTest, ToolApplyDrivesTheCoreDensities) {
  pickEi48Stack30();
  core().userClick(core().control("CMDBB"));
  bobbin().userClick(bobbin().control("GJ"));
  setBobbin("TxtJ", "3.5");
  setBobbin("TxtB0", "1.4");
  clickBobbin("Command2");
  EXPECT_TRUE(coreShows({{"TxtJ", "3.5"}, {"txtjsec", "3.5"}, {"TxtBm", "1.4"}}));
}

}  // namespace
}  // namespace corvane::testing
