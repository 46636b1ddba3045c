// The bobbin catalogue in a SQLite file: the shipped one or a user's own.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "bobbin/catalogue/bobbin_catalogue.h"

namespace corvane {

// Opens `path` read-only and prepares the read of the three bobbin tables, so
// a SQLite file that lacks a table or a column fails here with a clear reason.
Outcome<std::unique_ptr<BobbinCatalogue>> openSqliteBobbinCatalogue(const std::string& path);

// Every reason the SQLite catalogue gives, each missing table and column
// named, for the list of texts the interface translates.
std::vector<std::string> sqliteCatalogueReasons();

}  // namespace corvane
