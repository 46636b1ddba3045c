// The names of the commands a later stage of the chain provides to an earlier
// form through the workspace (Workspace::registerCommand).
#pragma once

namespace corvane::commands {

// the structure form's "打印": the manufacturing sheet
inline constexpr const char* kPrintManufacturingSheet = "printManufacturingSheet";

}  // namespace corvane::commands
