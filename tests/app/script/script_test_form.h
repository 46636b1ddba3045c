// A small form for the script driver's tests and the script fuzzer: fields
// whose change reactions cascade, an array, lists, a check box, timers,
// status panels and buttons that open every kind of dialog. It is
// registered only in the workspaces of those tests, never in the program.
#pragma once

namespace corvane {

class Workspace;

inline constexpr const char* kScriptTestFormName = "FrmTest";

void registerScriptTestForm(Workspace& workspace);

}  // namespace corvane
