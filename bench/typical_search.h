// The typical design, typed on the electrical form as a designer would, as
// the base of a search, and the default search space for it.
#pragma once

#include "app/form_catalog.h"
#include "bench/design_chain.h"
#include "core/lamination_catalogue.h"
#include "model/workspace.h"
#include "search/search_base.h"
#include "search/search_space.h"
#include "support/fake_host.h"

namespace corvane::bench {

// 220 V in, 12 V / 2 A out of a silicon bridge with a reservoir capacitor.
inline search::SearchBase typicalBase() {
  testing::FakeHost host;
  Workspace ws(host);
  registerAllForms(ws);
  click(ws.form("MDIForm1"), "NEW");
  Form& e = ws.form("Frmeledata");
  set(e, "TXTUIN1", "220");
  set(e, "txtudc", "12", 0);
  enter(e, "txtudc", 0);
  set(e, "txtidc", "2", 0);
  enter(e, "txtidc", 0);
  choose(e, "CMBZL", "全桥电容", 0);
  choose(e, "cmbdio", "硅管", 0);
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
