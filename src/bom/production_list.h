// The production list "材料清单及成本核算" of the bill-of-materials form: every
// material group with its column headers (units in them) and its items, the
// production time, the labour and the price build-up, as a flowing list of
// 10 pt lines inside 15 mm margins. A list that runs past the bottom of the
// page goes on on a new page under the title repeated.
#pragma once

namespace corvane {

class FrmBomList;
class PrintSurface;

// Lowest text line bottom on a page (mm of the 290 mm page scale).
inline constexpr double kProductionListBottom = 275;

// Prints the list on a surface the caller obtained and ends the document.
void printProductionListOn(const FrmBomList& form, PrintSurface& page);

}  // namespace corvane
