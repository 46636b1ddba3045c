#include "winding/row_evaluation.h"

#include "model/design_constants.h"
#include "model/formulas.h"
#include "model/value.h"
#include "winding/jiegou_fields.h"
#include "winding/wire_insulation.h"

namespace corvane::winding {

namespace {

using design::kPi;
// 4 × 1.11: the sine's form factor in the induced-voltage equation
constexpr double kFormFactor = 1.11;

bool isSecondary(const RowInputs& in) {
  return in.role == RowRole::Secondary;
}

// Writes a cell and hands back the text, which later steps read as the cell.
std::string put(FieldSink& out, const char* column, std::string text) {
  out.write(column, text);
  return text;
}

double squared(double value) {
  return value * value;
}

}  // namespace

std::string roundedUpLayers(const std::string& layers) {
  if (layers.size() < 2) return layers;
  // the point and the tenths digit of the "0.0" text
  const double tenths = Val(std::string_view(layers).substr(layers.size() - 2));
  if (tenths < 0.1) return layers;
  return generalFormat(Val(layers) + 1 - tenths);
}

double dcLoadVoltage(const RectifierSide& rectifier, double acVoltage) {
  return checkedDivide(acVoltage - rectifier.diodeDrop * rectifier.diodes, rectifier.voltageFactor);
}

double evaluateRow(SharedValues& shared, const RowInputs& in, FieldSink& out) {
  using namespace formulas;
  const std::string_view type = layoutWireType(in.wireType);
  const double d = Val(in.wire);

  // 1. turns from the voltage
  std::string turns = in.turns;
  if (const auto& source = in.turnsFromVoltage)
    turns = put(out, jiegou::TXTTURN,
                formulas::TurnsFromVoltage(source->voltage, source->frequency, source->fluxDensity,
                                           source->section)
                    .fieldText());
  const double n = Val(turns);

  // 2. turns per layer across the slot
  std::string perLayer = in.turnsPerLayer;
  if (in.layTurnsPerLayer)
    perLayer = put(out, jiegou::TXTLN,
                   TurnsPerLayer(shared, in.slotWidth, d, type, Val(in.strands)).fieldText());

  // 3.-4. layers, rounded up to whole layers
  std::string layers = DivideOneDecimal(n, Val(perLayer)).fieldText();
  put(out, jiegou::TXTL, layers);
  const std::string rounded = roundedUpLayers(layers);
  if (rounded != layers) layers = put(out, jiegou::TXTL, rounded);

  // 5. radial build, 6.-7. mean turn length over the build beneath
  const std::string build =
      put(out, jiegou::TXTHT, WindingBuild(shared, Val(layers), d, type).fieldText());
  const std::string turnLength =
      put(out, jiegou::txtlt, MeanTurnLength(in.basePerimeter, in.buildBelow, build).fieldText());

  // 8. conductor: the diameter must be a number here
  const double area = squared(strictNumber(in.wire) / 2) * kPi * Val(in.strands);
  const double wireLength = Val(turnLength) * n;

  // 9.-11. copper weight, resistance cold and hot
  put(out, jiegou::TXTCUWEIGH, CopperWeight(wireLength, area).fieldText());
  const std::string cold =
      put(out, jiegou::TXTDCR20, CopperResistance20(turnLength, n, area).fieldText());
  const std::string hot =
      put(out, jiegou::TXTDCRHOT,
          ResistanceAtTemperature(in.ambient, in.allowedRise, Val(cold)).fieldText());

  // 12.-13. drop and load voltage; a secondary refers to row 0 by the turns ratio
  const std::string drop = put(out, jiegou::TXTUD, MilliProduct(hot, in.current).fieldText());
  const std::string load =
      put(out, jiegou::TXTULOADE,
          isSecondary(in)
              ? ScaledDifference(in.referenceLoadVoltage, in.referenceTurns, n, drop).fieldText()
              : Difference(in.inputVoltage, drop).fieldText());

  // 14. no-load voltage, where the run asks for it
  if (const auto& noLoad = in.noLoadVoltage) {
    if (noLoad->kind == NoLoadVoltage::Kind::Copy)
      put(out, jiegou::TxtUnV, noLoad->text);
    else
      put(out, jiegou::TxtUnV,
          Product4(kFormFactor, noLoad->fluxDensity, noLoad->frequency, noLoad->section, n)
              .fieldText());
  }

  // 15. copper loss
  put(out, jiegou::TXTPCU, MilliPowerFromCurrent(hot, in.current).fieldText());

  // 16.-17. a secondary: deviation from its group's AC voltage, and the DC
  // voltage behind its own rectifier
  if (isSecondary(in)) {
    put(out, jiegou::txtlud, PercentChange(in.specifiedVoltage, load).fieldText());
    put(out, jiegou::CMBLINK, formatFixed(dcLoadVoltage(in.rectifier, Val(load)), 2));
  }
  return Val(build);
}

}  // namespace corvane::winding
