// Registers every form of the program with a workspace, so that the desktop
// program and the script driver know the same forms by the same names.
#pragma once

namespace corvane {

class Workspace;

void registerAllForms(Workspace& workspace);

}  // namespace corvane
