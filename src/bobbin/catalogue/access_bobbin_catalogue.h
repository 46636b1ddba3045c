// The bobbin catalogue in a user's Access (.mdb) file, read through mdbtools.
// Built only when mdbtools is installed (CORVANE_HAVE_MDBTOOLS).
#pragma once

#include <memory>
#include <string>

#include "bobbin/catalogue/bobbin_catalogue.h"

namespace corvane {

// Opens `path` and checks that the three bobbin tables with their columns are
// there; the reason otherwise.
Outcome<std::unique_ptr<BobbinCatalogue>> openAccessBobbinCatalogue(const std::string& path);

}  // namespace corvane
