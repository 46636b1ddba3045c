// Registers every form of the program with a workspace, so that the desktop
// program and the script driver know the same forms by the same names.
#pragma once

#include <memory>

namespace corvane {

class CatalogueShelf;
class Workspace;

// The bobbin forms of every design built from these registrations (the
// scratch copies a saved design is tried on included) read their catalogues
// through one shelf: `catalogues`, or a shelf of their own when it is null.
void registerAllForms(Workspace& workspace, std::shared_ptr<CatalogueShelf> catalogues = nullptr);

// The same with a shelf of the workspace's own: what a search thread, whose
// workspace shares nothing with another's, registers.
void registerFormsWithOwnCatalogues(Workspace& workspace);

}  // namespace corvane
