// The winding schematic of the electrical form's picture: the primary winding
// on the left, one coil per output group below each other on the right. The
// picture's user scale is x 0..70 across and y 0..150 down; figures drawn
// earlier stay, so the coils of all groups accumulate.
#pragma once

#include <string>

#include "model/color.h"

namespace corvane {

class Drawing;

struct SecondaryCoil {
  int row = 0;            // output group index: the coil sits 16 units lower per group
  bool parallel = false;  // connection flag "P": the coil is drawn mirrored
  std::string label;      // winding label printed beside the coil
};

void drawSecondaryCoil(Drawing& drawing, Rgb background, const SecondaryCoil& coil);
// One primary coil, or two when the transformer has two primaries; the
// previous primary figure is painted over first.
void drawPrimaryWinding(Drawing& drawing, Rgb background, bool twoPrimaries);

}  // namespace corvane
