#include "electrical/schematic.h"

#include "model/drawing.h"

namespace corvane {

namespace {
constexpr double kWidth = 70;
constexpr double kHeight = 150;
constexpr double kCoilPitch = 16;  // vertical space of one output group
constexpr double kCoilX = 21;      // centre line of the secondary turns
constexpr double kTurnRadius = 2;
constexpr double kTerminalRadius = 0.5;
constexpr double kHalfTurnUp = 1.57;  // radians
constexpr double kHalfTurnDown = 4.71;
constexpr double kPrimaryX = 5;  // centre line of the primary turns
constexpr double kPrimaryLeadX = 1.5;
constexpr double kCoreLeft = 9.25;
constexpr double kCoreRight = 9.75;

// Turns of a coil as half circles one above the other, with a lead line and a
// terminal at each end.
void drawCoil(Drawing& drawing, double centreX, double firstCentreY, int turns, ArcAngles arc,
              double leadX, Rgb color) {
  for (int k = 0; k < turns; ++k)
    drawing.circle(centreX, firstCentreY + 2 * kTurnRadius * k, kTurnRadius, color, arc);
  double top = firstCentreY - kTurnRadius;
  double bottom = firstCentreY + 2 * kTurnRadius * (turns - 1) + kTurnRadius;
  drawing.line(centreX, top, leadX, top, color);
  drawing.line(centreX, bottom, leadX, bottom, color);
  drawing.circle(leadX, top, kTerminalRadius, color);
  drawing.circle(leadX, bottom, kTerminalRadius, color);
}
}  // namespace

void drawSecondaryCoil(Drawing& drawing, Rgb background, const SecondaryCoil& coil) {
  drawing.setScale(0, 0, kWidth, kHeight);
  const double y0 = kCoilPitch * coil.row;
  // paint over this group's earlier figure, so a changed connection shows alone
  drawing.filledBox(kCoreRight + 0.5, y0, 45, y0 + kCoilPitch - 1, background);

  ArcAngles arc =
      coil.parallel ? ArcAngles{kHalfTurnDown, kHalfTurnUp} : ArcAngles{kHalfTurnUp, kHalfTurnDown};
  double leadX = coil.parallel ? 10.75 : 2 * kCoilX - 10.75;
  drawCoil(drawing, kCoilX, y0 + 3, 3, arc, leadX, colors::kBlue);

  double labelX = coil.parallel ? 13 : 33;
  double otherX = coil.parallel ? 33 : 13;
  drawing.text(otherX, y0 + 5, coil.label, background);
  drawing.text(labelX, y0 + 5, coil.label, colors::kBlue);
}

void drawPrimaryWinding(Drawing& drawing, Rgb background, bool twoPrimaries) {
  drawing.setScale(0, 0, kWidth, kHeight);
  drawing.filledBox(0, 0, kCoreLeft - 0.5, kHeight, background);
  // the turns face the core: right half circles
  ArcAngles arc{kHalfTurnDown, kHalfTurnUp};
  if (twoPrimaries) {
    drawCoil(drawing, kPrimaryX, 3, 3, arc, kPrimaryLeadX, colors::kRed);
    drawCoil(drawing, kPrimaryX, 19, 3, arc, kPrimaryLeadX, colors::kRed);
  } else {
    drawCoil(drawing, kPrimaryX, 3, 4, arc, kPrimaryLeadX, colors::kRed);
  }
  drawing.line(kCoreLeft, 0, kCoreLeft, kHeight - 5, colors::kBlack);
  drawing.line(kCoreRight, 0, kCoreRight, kHeight - 5, colors::kBlack);
}

}  // namespace corvane
