// The electrical parameter table: one A4 page with the title, the winding
// schematic, the input voltage and frequency, one line per output group, the
// total output power and the date.
#pragma once

#include <string>
#include <vector>

#include "model/print_surface.h"

namespace corvane {

class Frmeledata;

// The items of one group's line, separated by gaps of three.
std::vector<PrintItem> groupLineItems(const Frmeledata& form, int row);
// Prints the page on a surface the caller obtained and ends the document.
void printParameterTableOn(const Frmeledata& form, PrintSurface& page);
// The menu command: printer dialog, then the page; a cancelled dialog ends it
// without a message, a printer that fails gives one naming it.
void printParameterTable(const Frmeledata& form);

}  // namespace corvane
