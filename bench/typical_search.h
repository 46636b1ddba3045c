// The typical design, typed on the electrical form as a designer would, as
// the base of a search, and the default search space for it.
#pragma once

#include "app/form_catalog.h"
#include "core/lamination_catalogue.h"
#include "model/workspace.h"
#include "search/search_base.h"
#include "search/search_space.h"
#include "support/fake_host.h"
#include "support/typical_design.h"

namespace corvane::bench {

// 220 V in, 12 V / 2 A out of a silicon bridge with a reservoir capacitor.
inline search::SearchBase typicalBase() {
  testing::FakeHost host;
  Workspace ws(host);
  registerAllForms(ws);
  testing::FormDesigner designer(ws);
  designer.click("MDIForm1", "NEW");
  testing::typeTypicalRequirements(designer);
  return search::captureBase(ws).value();
}

// Every lamination, the default stacks, flux and current densities, one-
// and two-slot bobbins, the grade the design leaves (none chosen: H12).
inline search::SearchSpace typicalSpace(const search::SearchBase& base) {
  search::SearchSpace space;
  for (const core::StandardEiRow& row : core::standardLaminations())
    space.laminations.push_back(row.length);
  space.grades = {search::defaultGrade(base)};
  return space;
}

}  // namespace corvane::bench
