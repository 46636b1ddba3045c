// The nine-group design of design_chain.h typed into a workspace of its own,
// with the host that answers its questions, for the benchmarks that time one
// step on the finished design.
#pragma once

#include "app/form_catalog.h"
#include "design_chain.h"
#include "model/workspace.h"
#include "support/fake_host.h"

namespace corvane::bench {

struct NineGroupDesign {
  NineGroupDesign() {
    host.questions.assign(8, true);  // Yes to every "continue adding"
    registerAllForms(ws);
    nineGroupDesign(ws);
  }
  testing::FakeHost host;
  Workspace ws{host};
};

}  // namespace corvane::bench
