// The report "工况分析报告" of the operating-analysis form on one A4 page:
// the mains columns, each output group's no-load voltage and capacitor
// rating, the part-load efficiency and the adapter efficiency level, with
// the note on where that level applies. It prints what the form shows.
#pragma once

namespace corvane {

class FrmOperating;
class PrintSurface;

// Prints the report on a surface the caller obtained and ends the document.
void printOperatingReport(const FrmOperating& form, PrintSurface& page);

}  // namespace corvane
