// Every form of the program as the catalogue registers it: each reaction is
// keyed by a control the form has, so a misspelt name cannot leave a
// reaction that never runs.
#include <gtest/gtest.h>

#include "app/form_catalog.h"
#include "model/form.h"
#include "model/workspace.h"
#include "support/fake_host.h"

namespace corvane {
namespace {

TEST(FormCatalog, EveryReactionBelongsToAControlOfItsForm) {
  testing::FakeHost host;
  host.questions.assign(20, false);
  Workspace ws(host);
  registerAllForms(ws);
  for (const std::string& name : ws.formNames()) {
    Form& form = ws.form(name);
    for (const std::string& control : form.reactionNames())
      EXPECT_TRUE(form.find(control) || form.findArray(control)) << name << "." << control;
  }
  EXPECT_GE(ws.formNames().size(), 8u);
}

}  // namespace
}  // namespace corvane
