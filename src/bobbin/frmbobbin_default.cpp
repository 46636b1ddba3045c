// The bobbin form as the program builds it: the shipped catalogue, and any
// other file read through the catalogue library.
#include "bobbin/frmbobbin.h"

namespace corvane {

Frmbobbin::Frmbobbin(Workspace& workspace)
    : Frmbobbin(workspace, CatalogueSource{&openBobbinCatalogue, defaultBobbinCataloguePath()}) {}

Frmbobbin::Frmbobbin(Workspace& workspace, std::shared_ptr<CatalogueShelf> catalogues)
    : Frmbobbin(workspace, CatalogueSource{[catalogues](const std::string& path) {
                                             return catalogues->open(path);
                                           },
                                           defaultBobbinCataloguePath()}) {}

}  // namespace corvane
