#include "electrical/input_voltages.h"

#include "electrical/eledata_fields.h"
#include "model/workspace.h"

namespace corvane::electrical {

bool hasTwoPrimaries(Workspace& workspace) {
  return eledata::field(workspace, eledata::Chkp).value() == 1;
}

double secondInputVoltage(Workspace& workspace) {
  return hasTwoPrimaries(workspace) ? eledata::field(workspace, eledata::TXTUIN2).num() : 0;
}

}  // namespace corvane::electrical
