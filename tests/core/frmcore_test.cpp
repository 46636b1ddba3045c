#include "core/frmcore.h"

#include <gtest/gtest.h>

#include "../electrical/test_host.h"
#include "electrical/frmeledata.h"
#include "model/workspace.h"

namespace corvane::testing {
namespace {

class CoreFormTest : public ::testing::Test {
 protected:
  CoreFormTest() {
    workspace.registerForm(Frmeledata::kName,
                           [](Workspace& w) { return std::make_unique<Frmeledata>(w); });
    workspace.registerForm(Frmcore::kName,
                           [](Workspace& w) { return std::make_unique<Frmcore>(w); });
  }
  std::string core(const char* name, int row = -1) {
    return workspace.field(Frmcore::kName, name, row).text();
  }

  TestHost host;
  Workspace workspace{host};
};

TEST_F(CoreFormTest, HoldsTheDesignTimeTexts) {
  EXPECT_EQ(core("TxtF"), "50");
  EXPECT_EQ(core("TxtBm"), "3");
  EXPECT_EQ(core("TxtJ"), "5");
  EXPECT_EQ(core("txtjsec"), "5");
  EXPECT_EQ(core("TXTBA"), "1");
  EXPECT_EQ(core("TXTHC"), "3");
  const char* material[] = {"0.5", "7.65", "3.6", "1.6", "H12-0.5A"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(core("txtcoremt", i), material[i]);
  EXPECT_FALSE(workspace.form(Frmcore::kName).control("Fmr").visible());
}

TEST_F(CoreFormTest, LoadCopiesRiseRegulationAndPowerFromTheElectricalForm) {
  // the core form first: reading the electrical fields creates that form,
  // whose load has then set the rise from the class and the regulation from the power
  EXPECT_EQ(core("TXTTEMP"), "95");
  EXPECT_EQ(core("TxtDU"), "27");
  EXPECT_EQ(core("txtpo"), "0W");
  EXPECT_NE(workspace.existing(Frmeledata::kName), nullptr);
}

TEST_F(CoreFormTest, ReadingTheFrequencyFromTheElectricalFormCreatesTheCoreFormOnce) {
  auto& electrical = workspace.form<Frmeledata>(Frmeledata::kName);
  Form* coreForm = workspace.existing(Frmcore::kName);
  ASSERT_NE(coreForm, nullptr);
  electrical.userSetText(electrical.cell("txtudc", 0), "12");
  EXPECT_EQ(workspace.existing(Frmcore::kName), coreForm);
}

}  // namespace
}  // namespace corvane::testing
