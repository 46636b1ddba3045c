// The manufacturing sheet "变压器制作参数表" of the winding-structure form: the
// winding order with wire data, the core, the bobbin, the electrical results
// per winding, the outline and cross-section pictures, the temperature rises
// and the date, on A4 pages in millimetres. It prints what the fields show
// and derives three cells (load current, DC resistance in Ω, regulation).
// Page 1 holds 13 rows of the winding table and 11 of the electrical table;
// further rows go on following pages under their table's header repeated.
#pragma once

#include <string>

namespace corvane {

class PrintSurface;
class Workspace;

// Row capacity of the two tables on a page.
inline constexpr int kWindingRowsPerPage = 13;
inline constexpr int kElectricalRowsPerPage = 11;

// Prints the sheet on a surface the caller obtained and ends the document.
void printManufacturingSheetOn(Workspace& workspace, PrintSurface& page);
// "打印" of the structure form: the printer dialog, then the sheet; a cancelled
// dialog prints nothing, a printer that fails says so.
void printManufacturingSheet(Workspace& workspace);

// The load current cell of a winding row: the electrical form's primary
// current for row 0, otherwise the current the row's copper loss implies in
// its hot resistance, converted to the DC side with the current factor of
// the row's own output group (1 for a second primary). Empty when the row
// has no hot resistance or its group's rectifier is unknown.
std::string loadCurrentCell(Workspace& workspace, int row);

}  // namespace corvane
