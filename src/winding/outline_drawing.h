// The outline picture of the manufacturing sheet: an EI transformer seen from
// the front (lamination length L by height H, with the two windows, the
// tongue between them and the seam of E and I) and from the side (the stack
// b with the coil standing out on both sides), dimensioned with arrows and
// the numbers. Drawn for the sheet's 95 × 60 mm box: the picture's scale
// keeps that ratio, so the core is not distorted there.
#pragma once

namespace corvane {

class Picture;

// L, H and b in mm (the core form's TXTL, TXTw and TxtB). The window and
// tongue follow the standard EI proportions (tongue L/3, window width L/6,
// yokes half a tongue). A length or height that is not positive leaves the
// picture empty; a stack that is not positive leaves out the side view.
void drawTransformerOutline(Picture& picture, double L, double H, double b);

}  // namespace corvane
