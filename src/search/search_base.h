// The design a search starts from: the whole design as the designer left it,
// put back into each of the search's workspaces before every candidate, and
// what the replay and the rules need to know of it.
#pragma once

#include "model/host.h"
#include "model/outcome.h"
#include "model/project_file.h"
#include "search/replay.h"

namespace corvane {
class Workspace;
}

namespace corvane::search {

struct SearchBase {
  ProjectRecord record;
  ReplayContext context;
  bool twoPrimaries = false;
  int lastGroup = 0;     // the electrical form's highest output group
  int chosenGrade = -1;  // the grade chosen on the core form; -1 for none
  CalendarDate today;    // the date the forms of the candidates show
};

// The design of the workspace; the reason when there is none to search for
// (no electrical specification, or one without a required power).
Outcome<SearchBase> captureBase(Workspace& workspace);

// The grade a default search tries: the one chosen on the core form, or the
// first of the list when none is.
int defaultGrade(const SearchBase& base);

}  // namespace corvane::search
