#include "bobbin/winding_section_drawing.h"

#include <cmath>

#include "model/color.h"
#include "model/drawing.h"

namespace corvane {

namespace {

constexpr Rgb kOutline = colors::kRed;
constexpr Rgb kWire = colors::kBlue;
// The drawing's width and height in mm before scaling, and its middle height.
constexpr double kWidth = 100;
constexpr double kHeight = 60;
constexpr double kMiddle = 30;

struct Slot {
  double left;   // x of the slot's left wall
  double width;  // mm
};

// Windings of one slot wound one over the other from its base.
class SlotPainter {
 public:
  SlotPainter(Drawing& drawing, Slot slot, double base, double layerFactor, long& circlesLeft)
      : drawing_(drawing),
        slot_(slot),
        base_(base),
        layerFactor_(layerFactor),
        circlesLeft_(circlesLeft) {}

  void wind(const SectionRow& row) {
    built_ += row.build;
    const double d = row.diameter;
    const double wiresPerLayer = std::floor(row.turnsPerLayer * row.strands);
    // centres the layer across the slot
    const double margin = (slot_.width - row.turnsPerLayer * row.strands * d * layerFactor_) / 2;
    double qy = 0;
    for (int layer = 1; layer <= row.layers && circlesLeft_ > 0; ++layer) {
      qy += d;
      double rx = 0;
      for (double wire = 1; wire <= wiresPerLayer && circlesLeft_ > 0; ++wire) {
        rx += d;
        drawing_.circle(slot_.left + margin + rx, base_ + d / 2 - qy - built_, d / 2, kWire);
        --circlesLeft_;
      }
    }
    const double y = base_ - built_;
    drawing_.line(slot_.left, y, slot_.left + slot_.width, y, kOutline);
  }

 private:
  Drawing& drawing_;
  Slot slot_;
  double base_;
  double layerFactor_;
  long& circlesLeft_;
  double built_ = 0;
};

}  // namespace

double sectionScale(double slot1, double slot2) {
  const double width = slot1 + slot2;
  return width < 100 ? 1 : width / 90;
}

void drawWindingSection(Drawing& drawing, const SectionDrawingInputs& in) {
  drawing.setBackColor(kSectionBackground);
  drawSectionFigures(drawing, in);
}

void drawSectionFigures(Drawing& drawing, const SectionDrawingInputs& in) {
  const double k = sectionScale(in.slot1, in.slot2);
  const double centre = 50 * k;
  const double base = kMiddle + in.depth / 2;
  const double opening = kMiddle - in.depth / 2;
  drawing.setScale(0, 0, kWidth * k, kHeight * k);
  long circlesLeft = kMaxSectionCircles;

  if (in.oneSlot) {
    const double left = centre - in.slot1 / 2, right = centre + in.slot1 / 2;
    drawing.line(left, base, right, base, kOutline);
    drawing.line(left, base, left, opening, kOutline);
    drawing.line(right, base, right, opening, kOutline);
    SlotPainter slot(drawing, {left, in.slot1}, base, in.layerFactor, circlesLeft);
    for (const SectionRow& row : in.rows) slot.wind(row);
    return;
  }
  if (!in.twoSlots) return;

  const double outer1 = centre - in.slot1, outer2 = centre + in.slot2;
  drawing.line(centre, base, outer1, base, kOutline);
  drawing.line(centre, base, centre, opening, kOutline);
  drawing.line(outer1, base, outer1, opening, kOutline);
  drawing.line(centre, base, outer2, base, kOutline);
  drawing.line(centre, base, centre, opening, kOutline);
  drawing.line(outer2, base, outer2, opening, kOutline);
  // the primaries in slot 1, every later winding in slot 2
  const size_t primaries = in.twoPrimaries ? 2 : 1;
  SlotPainter first(drawing, {outer1, in.slot1}, base, in.layerFactor, circlesLeft);
  SlotPainter second(drawing, {centre, in.slot2}, base, in.layerFactor, circlesLeft);
  for (size_t i = 0; i < in.rows.size(); ++i) (i < primaries ? first : second).wind(in.rows[i]);
}

}  // namespace corvane
