// "导出SPICE模型" of the structure form: one file chooser for the subcircuit
// file NAME.lib; the ready-to-run supply circuit NAME.cir is written beside
// it and includes it by its file name. Both files are written completely
// before either replaces an old one. A design the model does not hold (a
// saturated core, no no-load current, …), a file name a simulator could not
// include, or a failed write gives one message with the reason, and no file
// is written or changed.
#pragma once

#include <string>
#include <string_view>

namespace corvane {
class Workspace;
}

namespace corvane::spice {

inline constexpr const char* kSpiceFilter = "SPICE模型(*.lib)|*.lib|(*.*)|*.*";

// The command: the file chooser, then the export; a cancelled chooser does nothing.
void exportSpiceModel(Workspace& workspace);
// The export to the chosen file with its one message; true when both files
// were written.
bool exportSpiceModelTo(Workspace& workspace, const std::string& chosenPath);

// The subcircuit file: the chosen path, with ".lib" added unless it ends so
// (in any case), so no other kind of file is taken over by a netlist.
std::string libraryPathFor(const std::string& chosenPath);
// The supply circuit beside it: the same name ending ".cir".
std::string circuitPathFor(const std::string& libraryPath);
// A file name a simulator reads anywhere: ASCII letters, digits, '_', '-'
// and '.', not starting with '.'.
bool isPortableFileName(std::string_view fileName);
// The subcircuit's name from the file's: its name before the first '.',
// '-' as '_', and "X" before a leading digit.
std::string subcircuitNameFor(std::string_view fileName);

}  // namespace corvane::spice
