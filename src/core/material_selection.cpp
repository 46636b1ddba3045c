// Steel grade, its sheet data and the sheet finish of the core form.
#include <string>

#include "core/coreform_fields.h"
#include "core/frmcore.h"
#include "core/material_grades.h"
#include "model/color.h"
#include "model/design_constants.h"
#include "model/value.h"

namespace corvane {

namespace {
constexpr const char* kGradeLists[] = {coreform::Cmbnew, coreform::cmbjis, coreform::cmbcq};
constexpr int kMaterialFields = 5;  // thickness, density, P1.5/50, B, description
// The working flux density proposed for a grade, as a share of its B.
constexpr double kWorkingFluxShare = 0.95;
}  // namespace

// The three lists name the same grades by maker: a pick in one picks the
// same row in the others.
void Frmcore::gradePicked(const Control& list) {
  int index = list.listIndex();
  if (index < 0) return;
  for (const char* name : kGradeLists) control(name).setListIndex(index);
  write(coreform::TXTINDEX, std::to_string(index));
}

void Frmcore::materialIndexChanged() {
  double index = roundHalfEven(num(coreform::TXTINDEX));
  Control& nippon = control(coreform::Cmbnew);
  if (index >= 0 && index < static_cast<double>(nippon.items().size()))
    nippon.setListIndex(static_cast<int>(index));
  COREDATA();
  rewriteMaterialTexts();
  CDATA();
}

// Only an index written exactly as the row number selects a row.
void Frmcore::COREDATA() {
  const std::string& index = control(coreform::TXTINDEX).text();
  int row = 0;
  for (const core::MaterialGrade& grade : core::materialGrades()) {
    if (index == std::to_string(row++)) {
      material(0).setText(generalFormat(grade.thickness));
      material(1).setText(generalFormat(grade.density));
      material(2).setText(generalFormat(grade.specificLoss));
      material(3).setText(generalFormat(grade.fluxDensity));
      return;
    }
  }
}

// Numbers in two decimals; the description stays as it is.
void Frmcore::rewriteMaterialTexts() {
  for (int i = 0; i < kMaterialFields; ++i) {
    Control& field = material(i);
    if (isWholeNumber(field.text())) field.setText(formatPattern(field.num(), "0.00"));
  }
}

void Frmcore::proposeFluxDensity() {
  write(coreform::TxtBm, formatPattern(kWorkingFluxShare * material(3).num(), "0.00"));
}

// The description names grade, thickness and finish: "A" black, "N" white.
void Frmcore::finishChosen(const char* finishLetter) {
  material(4).setText(control(coreform::Cmbnew).text() + "-" + material(0).text() + finishLetter);
  CDATA();
}

// Only a flux density past saturation is marked: the form proposes 0.95 ×
// the grade's B itself, and the steel's rating is judged where the design is
// finished, on the structure form, with its own rule (green, yellow, red from
// the saturation value on). Here the saturation value itself stays white.
void Frmcore::fluxColourCheck() {
  const bool saturated = num(coreform::TxtBm) > design::kSaturationFluxDensity;
  control(coreform::TxtBm).setBackColor(saturated ? colors::kRed : colors::kWhite);
}

}  // namespace corvane
