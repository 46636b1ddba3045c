// The structure form's cross-section: the slot widths through the shared
// bobbin references, the bobbin type, and per row the build, layers, turns
// per layer, strands and wire.
#include <algorithm>
#include <cmath>

#include "bobbin/bobbinform_fields.h"
#include "bobbin/winding_section_drawing.h"
#include "electrical/eledata_fields.h"
#include "model/form_names.h"
#include "model/picture.h"
#include "model/shared_values.h"
#include "model/workspace.h"
#include "winding/frmjiegou.h"
#include "winding/jiegou_fields.h"

namespace corvane {

using namespace jiegou;

namespace {
// the drawing counts layers and turns in whole numbers; a count past this is
// beyond any bobbin and is drawn as this many
constexpr double kMostDrawn = 1e6;

int wholeCount(double value) {
  return static_cast<int>(std::clamp(std::trunc(value), 0.0, kMostDrawn));
}
}  // namespace

void Frmjiegou::DrawWindingSection() {
  Workspace& ws = workspace();
  SharedValues& values = shared();
  values.gBobbinCk2Ref.setReference({forms::kBobbin, bobbinform::txtCK2});
  values.gBobbinCk1Ref.setReference({forms::kBobbin, bobbinform::TXTCK1});
  SectionDrawingInputs in;
  in.slot1 = values.gBobbinCk1Ref.num(ws);
  in.slot2 = values.gBobbinCk2Ref.num(ws);
  in.depth = values.gBobbinChRef.num(ws);
  in.oneSlot = bobbin(bobbinform::OPTG).value() == 1;
  in.twoSlots = bobbin(bobbinform::OPTW).value() == 1 || bobbin(bobbinform::Option1).value() == 1;
  in.twoPrimaries = electrical(eledata::Chkp).value() == 1;
  in.layerFactor = values.gWireLayerFactor.num(ws);
  // every row's hot resistance asks for this while a recalculation runs:
  // the columns are found once
  const ControlArray& build = array(TXTHT);
  const ControlArray& layers = array(TXTL);
  const ControlArray& turnsPerLayer = array(TXTLN);
  const ControlArray& strands = array(TXTQ);
  const ControlArray& wire = array(TXTWIRE);
  const int last = highestRow();
  in.rows.reserve(static_cast<size_t>(last) + 1);
  for (int i = 0; i <= last; ++i) {
    SectionRow row;
    row.build = build.element(i).num();
    row.layers = wholeCount(layers.element(i).num());
    row.turnsPerLayer = wholeCount(turnsPerLayer.element(i).num());
    row.strands = strands.element(i).num();
    row.diameter = wire.element(i).num();
    in.rows.push_back(row);
  }
  if (sectionHeld_ > 0) {
    heldSection_ = std::move(in);
    return;
  }
  drawSectionOnDemand(std::move(in));
}

// The circles are laid out only when a view, a report or a save reads the
// picture; a recalculation that nobody looks at draws nothing.
void Frmjiegou::drawSectionOnDemand(SectionDrawingInputs in) {
  control(Picture1).picture().drawOnDemand(kSectionBackground, std::move(in), &drawSectionFigures);
}

void Frmjiegou::withSectionDrawnOnce(const std::function<void()>& recalculation) {
  ++sectionHeld_;
  try {
    recalculation();
  } catch (...) {
    drawHeldSection();
    throw;
  }
  drawHeldSection();
}

void Frmjiegou::drawHeldSection() {
  if (--sectionHeld_ > 0 || !heldSection_) return;
  SectionDrawingInputs in = std::move(*heldSection_);
  heldSection_.reset();
  drawSectionOnDemand(std::move(in));
}

}  // namespace corvane
