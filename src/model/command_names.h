// The names of the commands a later stage of the chain provides to an earlier
// form through the workspace (Workspace::registerCommand).
#pragma once

namespace corvane::commands {

// the structure form's "打印": the manufacturing sheet
inline constexpr const char* kPrintManufacturingSheet = "printManufacturingSheet";
// the structure form's "导出SPICE模型": the transformer's SPICE model and its supply circuit
inline constexpr const char* kExportSpiceModel = "exportSpiceModel";

}  // namespace corvane::commands
