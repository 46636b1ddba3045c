// Between the forms of a workspace and a project record: what a save takes
// from the forms (each control's design where it differs from its design
// time), and how an open puts it back — each form created as at first use,
// its load step run, then every control put back quietly to its design-time
// state with the saved differences over it, so the reopened design shows what
// was saved without being recalculated.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/project_file.h"

namespace corvane {

class Workspace;

// What a saved design names that this program does not have (a form, or a
// control or array of a form): skipped when the design opens.
struct SkippedParts {
  std::vector<std::string> forms;
  // per form, in file order: the names of its controls and arrays skipped
  std::vector<std::pair<std::string, std::vector<std::string>>> controls;
  bool empty() const { return forms.empty() && controls.empty(); }
  bool operator==(const SkippedParts&) const = default;
};

// The message that names them, once the design has opened.
std::string skippedMessage(const SkippedParts& skipped);

// Every design form that exists, the shared values and the active form.
ProjectRecord captureProject(const Workspace& workspace);

// The reason, naming the form or control, when the record does not fit the program's forms: an
// array written as a single control or the other way round, a row the array does not have, a
// member unknown or of the wrong type, a picture on a control that draws none, a selection past
// its list. What the program does not have is skipped, not refused: the parts skipped. The
// workspace is not touched: the record is tried on a scratch copy of its forms.
Outcome<SkippedParts> checkProjectFits(const Workspace& workspace, const ProjectRecord& record);

// Replaces the design in the workspace with the record's; the parts skipped.
// Check it first with checkProjectFits: a record that does not fit stops
// here with its reason, the old design already discarded.
Outcome<SkippedParts> restoreProject(Workspace& workspace, const ProjectRecord& record);

}  // namespace corvane
