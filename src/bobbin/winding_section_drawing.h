// The cross-section of the bobbin slot(s) with every turn of every winding as
// a circle, so the designer sees whether the layers fit. User coordinates are
// mm: the slots stand on a base line at y = 30 + Ch/2, open upwards, centred
// on x = 50k, with k = 1 below 100 mm of slot width and (CK1 + CK2) / 90 from
// there on.
#pragma once

#include <vector>

#include "model/color.h"

namespace corvane {

class Drawing;

struct SectionRow {
  double build = 0;       // radial build, mm (TXTHT)
  int layers = 0;         // layers drawn: whole part of TXTL
  int turnsPerLayer = 0;  // whole part of TXTLN
  double strands = 0;     // wires side by side (TXTQ)
  double diameter = 0;    // bare diameter, mm (TXTWIRE)
  bool operator==(const SectionRow&) const = default;
};

struct SectionDrawingInputs {
  double slot1 = 0;       // CK1, mm
  double slot2 = 0;       // CK2, mm
  double depth = 0;       // Ch, mm
  bool oneSlot = false;   // 工字
  bool twoSlots = false;  // 王字 or 抽屉式
  bool twoPrimaries = false;
  double layerFactor = 0;  // space factor of the last layout formula call
  std::vector<SectionRow> rows;
  bool operator==(const SectionDrawingInputs&) const = default;
};

// Scale factor k of the drawing for the slot widths.
double sectionScale(double slot1, double slot2);

// Draws the slots and windings; a row without layers or turns draws no
// circles. A drawing is a screen aid: beyond kMaxCircles circles it stops
// adding turns, so a table holding absurd turn counts cannot stall the form.
void drawWindingSection(Drawing& drawing, const SectionDrawingInputs& in);

// The drawing's background, and everything drawWindingSection draws on it:
// the scale, the slots and the windings.
inline constexpr Rgb kSectionBackground = colors::kWhite;
void drawSectionFigures(Drawing& drawing, const SectionDrawingInputs& in);

inline constexpr long kMaxSectionCircles = 20000;

}  // namespace corvane
