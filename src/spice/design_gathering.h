// The one place the simulator export reads the forms: the winding table, the
// no-load current and tape of the structure form, the electrical form's
// supply and output groups, the core's frequency, steel, flux density, iron
// loss and window, the bobbin's slots.
#pragma once

#include "spice/transformer_description.h"

namespace corvane {
class Workspace;
}

namespace corvane::spice {

// The design as the forms show it now (the structure form exists: the export
// is its command).
TransformerDescription describeDesign(Workspace& workspace);

}  // namespace corvane::spice
