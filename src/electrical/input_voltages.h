// The input voltages as the design reads them. The second primary's voltage
// counts only while the input arrangement is two primaries ("双组输入"); with
// one primary its field is hidden, and what it holds is kept for the design
// file but enters no calculation. Volts.
#pragma once

namespace corvane {
class Workspace;
}

namespace corvane::electrical {

bool hasTwoPrimaries(Workspace& workspace);
// U2, or 0 with one primary.
double secondInputVoltage(Workspace& workspace);

}  // namespace corvane::electrical
