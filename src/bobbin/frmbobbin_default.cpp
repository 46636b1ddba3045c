// The bobbin form as the program builds it: the shipped catalogue, and any
// other file read through the catalogue library.
#include "bobbin/frmbobbin.h"

namespace corvane {

Frmbobbin::Frmbobbin(Workspace& workspace)
    : Frmbobbin(workspace, CatalogueSource{&openBobbinCatalogue, defaultBobbinCataloguePath()}) {}

}  // namespace corvane
