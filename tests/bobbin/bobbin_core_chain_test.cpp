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

namespace corvane::testing {
namespace {

class BobbinChainTest : public ::testing::Test {
 protected:
  BobbinChainTest() { registerAllForms(workspace); }
  Form& core() { return workspace.form(Frmcore::kName); }
  Form& bobbin() { return workspace.form(Frmbobbin::kName); }
  std::string coreText(const char* name) { return core().control(name).text(); }
  std::string bobbinText(const char* name) { return bobbin().control(name).text(); }
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
  EXPECT_EQ(coreText("TXTL"), "48");
  EXPECT_EQ(coreText("txth"), "24");
  EXPECT_EQ(coreText("txtc"), "8");
  EXPECT_EQ(coreText("TXTa"), "16");
  EXPECT_EQ(coreText("TxtB"), "30");
  EXPECT_EQ(coreText("txtcname"), "EI-48*30");
}

TEST_F(BobbinChainTest, CoreBobbinCommandShowsTheDrawerBobbinOfTheCore) {
  pickEi48Stack30();
  core().userClick(core().control("CMDBB"));
  EXPECT_TRUE(bobbin().visible());
  EXPECT_FALSE(core().visible());
  EXPECT_EQ(bobbin().control("Option1").value(), 1);
  EXPECT_EQ(bobbinText("txtbname"), "EI-48*30");
  EXPECT_EQ(bobbinText("TXTCK1"), "9.75");
  EXPECT_EQ(bobbinText("txtCK2"), "9.75");
  EXPECT_EQ(bobbinText("TXTBSW"), "117.0");
  EXPECT_EQ(bobbinText("Text6"), "CT-48-30");
}

TEST_F(BobbinChainTest, Ei48OneSlotBobbinHandsOverToTheElectricalForm) {
  Form& electrical = workspace.form(Frmeledata::kName);
  electrical.show();
  electrical.userClick(electrical.control("cmdcore"));
  pickEi48Stack30();
  core().userClick(core().control("CMDBB"));
  clickBobbin("OPTG");
  EXPECT_EQ(bobbinText("TXTCK1"), "21");
  EXPECT_EQ(bobbinText("TXTCh"), "6");
  EXPECT_EQ(bobbinText("TXTld1"), "19");
  EXPECT_EQ(bobbinText("TXTld2"), "33");
  EXPECT_EQ(bobbinText("TXTBSW"), "126.0");
  EXPECT_EQ(bobbinText("TXTLD"), "104.0");
  EXPECT_EQ(bobbinText("TxtTapeW"), "18");
  EXPECT_EQ(bobbinText("Text5"), "EI-48*30");
  EXPECT_EQ(bobbinText("Text6"), "GZ-48-30");
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
  EXPECT_EQ(coreText("TxtJ"), "3.5");
  EXPECT_EQ(coreText("txtjsec"), "3.5");
  EXPECT_EQ(coreText("TxtBm"), "1.4");
}

}  // namespace
}  // namespace corvane::testing
