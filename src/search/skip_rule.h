// The candidates a search need not run because they are certainly
// infeasible: those whose windings overfill a slot of the bobbin. Each
// winding's build is worked out with the structure form's own row
// arithmetic from the turns and wire the design pass gives it (turns from
// its voltage at the candidate's flux density and section, wire from its
// current at the candidate's current density, the fresh table's wire type
// and one strand), so the sum over a slot is the build the forms would show;
// a candidate is skipped only when that sum passes the slot depth by more
// than kCertainOverfill, a margin no rounding of the forms closes.
#pragma once

#include "search/candidate_runner.h"
#include "search/search_base.h"
#include "search/search_run.h"

namespace corvane::search {

// How far past the slot depth the windings must reach before a candidate is
// skipped: 2 % beyond a fill of 1.
inline constexpr double kCertainOverfill = 1.02;

// The rule for the design of `base`: what it needs of the design (the
// voltages and currents of the windings, the core's frequency) is read once
// from a workspace the design is put back into. The rule is read only, so
// every thread of a search may ask it at once.
SkipRule certainlyInfeasible(const SearchBase& base, const RegisterForms& registerForms);

}  // namespace corvane::search
