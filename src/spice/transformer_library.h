// The subcircuit file NAME.lib: a header of comments naming the program, the
// design, the core and the formulas, the pins with the winding each belongs
// to, then `.subckt NAME P1A P1B [P2A P2B] S1A S1B [S1M] …` with the design
// values as `.param` lines and one commented group of elements per winding.
#pragma once

#include <string>

#include "model/outcome.h"
#include "spice/transformer_description.h"
#include "spice/transformer_model.h"

namespace corvane::spice {

// What the files' headers and lines name besides the design.
struct NetlistNames {
  std::string program;      // program and version, e.g. "Corvane 0.0.73"
  std::string subcircuit;   // the subcircuit's name, plain ASCII
  std::string libraryFile;  // the subcircuit file's name (no folder), plain ASCII
  std::string circuitFile;  // the supply circuit file's name (no folder), plain ASCII
};

// The file's text, or the reason a value is out of range.
Outcome<std::string> transformerLibrary(const TransformerDescription& design,
                                        const TransformerModel& model, const NetlistNames& names);

}  // namespace corvane::spice
