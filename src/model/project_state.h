// Between the forms of a workspace and a project record: what a save takes
// from the forms, and how an open puts it back — each form created as at
// first use, its load step run, then every saved state restored quietly, so
// the reopened design shows what was saved without being recalculated.
#pragma once

#include "model/project_file.h"

namespace corvane {

class Workspace;

// Every design form that exists, the shared values and the active form.
ProjectRecord captureProject(const Workspace& workspace);

// The reason, naming the form or control, when the record does not fit the program's forms: an
// unknown form or control, an array written as a single control or the other way round, a member of
// the wrong type, a picture on a control that draws none. The workspace is not touched: the record
// is tried on a scratch copy of its forms.
Outcome<> checkProjectFits(const Workspace& workspace, const ProjectRecord& record);

// Replaces the design in the workspace with the record's. Check it first
// with checkProjectFits: a record that does not fit stops here with its
// reason, the old design already discarded.
Outcome<> restoreProject(Workspace& workspace, const ProjectRecord& record);

}  // namespace corvane
