// The design equations of the winding, core and wire calculations. Every input
// may be a field text or a number and is read with the leading-number rule;
// every calculation runs in double precision. A formula whose guard input is
// not usable returns the empty result, which callers store as an empty field.
//
// Arithmetic errors are not guarded: the square root of a negative number, a
// division by zero that no guard covers, and any non-finite intermediate or
// result throw RecalcAbort, which ends the recalculation that called them.
//
// Only TurnsPerLayer and WindingBuild have side effects: they leave the layer
// factor in gWireLayerFactor and the insulation allowance of the last known wire
// type in SharedValues::wireInsulation, which a later call with a wire type
// neither knows reuses.
#pragma once

#include "model/formula_arg.h"
#include "model/formula_result.h"

namespace corvane {

class SharedValues;

namespace formulas {

using Arg = const FormulaArg&;

// ---- Winding design (F1-F27, there is no F15) ----

// F1: turns for U volts at f Hz, B tesla, S cm², rounded half to even;
// empty when f × B × S is 0.
FormulaResult TurnsFromVoltage(Arg u, Arg f, Arg b, Arg s);
// F2: "0.000" diameter (mm) of a round conductor carrying I amperes at J A/mm²;
// empty when J ≤ 0.
FormulaResult WireDiameterFromCurrent(Arg i, Arg j);
// F3: "0.0" copper resistance at 20 °C, 17.9 × a × b / (1000 × S): with a × b a
// length in mm and S a section in mm² this is mΩ; empty when S is 0.
FormulaResult CopperResistance20(Arg a, Arg b, Arg s);
// F4: "0.0" resistance at ambient Ta plus rise ΔT of a winding of R20 at 20 °C.
FormulaResult ResistanceAtTemperature(Arg ambient, Arg rise, Arg r20);
// F5: whole turns of wire d (mm) with its insulation that fit n strands side by
// side across a slot W mm wide; sets the layer factor and the insulation
// allowance. Empty when the insulated diameter is not positive.
FormulaResult TurnsPerLayer(SharedValues& shared, Arg w, Arg d, Arg wireType, Arg n);
// F6: "0.0" quotient p / q; empty when q ≤ 0.
FormulaResult DivideOneDecimal(Arg p, Arg q);
// F7: "0.0" build (mm) of L layers of wire d (mm) with its insulation; sets the
// layer factor and the insulation allowance.
FormulaResult WindingBuild(SharedValues& shared, Arg layers, Arg d, Arg wireType);
// F8: "0.0" mean turn length (mm) of a winding h mm thick lying a mm above a
// former of perimeter P mm.
FormulaResult MeanTurnLength(Arg perimeter, Arg a, Arg h);
// F9: "0.000" copper weight (g) of length a (mm) and section b (mm²).
FormulaResult CopperWeight(Arg a, Arg b);
// F10: "0.00" p × q / 1000 (a drop in V from mΩ and A).
FormulaResult MilliProduct(Arg p, Arg q);
// F11: "0.00" p − q.
FormulaResult Difference(Arg p, Arg q);
// F12: "0.00" r × p / q − s; empty when q is 0.
FormulaResult ScaledDifference(Arg p, Arg q, Arg r, Arg s);
// F13: "0.000" loss (W) of I amperes in R mΩ.
FormulaResult MilliPowerFromCurrent(Arg r, Arg i);
// F14: "0.00" change from p to q in percent of p; empty when p is 0.
FormulaResult PercentChange(Arg p, Arg q);
// F16: whole number of round wires of diameter d (mm) in an a × b mm area;
// empty when d is 0.
FormulaResult WiresInArea(Arg a, Arg b, Arg d);
// F17: "0.00" current density (A/mm²) of I amperes in a wire of d mm; empty
// when d is 0.
FormulaResult CurrentDensity(Arg d, Arg i);
// F18: "0.00" unrounded turns of F1 in the order f, B, S, U; empty when
// f × B × S is 0.
FormulaResult TurnsFromVoltageText(Arg f, Arg b, Arg s, Arg u);
// F19: "0.00" q × 4 × 0.0001 × p × r × t × s (with the form factor 1.11, B in
// T, f in Hz, S in cm² and N turns among them: the induced voltage in V).
FormulaResult Product4(Arg p, Arg q, Arg r, Arg s, Arg t);
// F20: "0.00" the standard bare-wire diameter that serves a computed diameter
// d (mm); above the largest size d itself.
FormulaResult StandardWireDiameter(Arg d);
// F21: number √(q × p × r / (t × s)) × 12250; empty when s × t ≤ 0.
FormulaResult RootRatio12250(Arg p, Arg q, Arg r, Arg s, Arg t);
// F22: "0.00" (s × 1.5 / t + 1) × (q × p × r) − u; empty when t is 0.
FormulaResult LoadedProduct(Arg p, Arg q, Arg r, Arg s, Arg t, Arg u);
// F23: "0.000" √|p / (r × q)|; empty when q × r ≤ 0.
FormulaResult RootOfQuotient(Arg p, Arg q, Arg r);
// F24: "0.00" (T + 234.5) / 254.5 × 1.96, copper resistance scaled from 20 °C.
FormulaResult CopperTemperatureFactor(Arg t);
// F25: "0.000" q × p × r / (t × s) × u × 2.5; empty when s × t × u ≤ 0.
FormulaResult Ratio2_5(Arg p, Arg q, Arg r, Arg s, Arg t, Arg u);
// F26: "0.00" unrounded turns for the voltage U (third argument) with the
// frequency, flux density and section in any order; empty when their product
// is 0.
FormulaResult TurnsFromVoltageOrdered(Arg a, Arg b, Arg u, Arg c);
// F27: number of turns per volt at f Hz, B T, S cm²; empty when
// 4.44 × f × B × S ≤ 0.
FormulaResult TurnsPerVolt(Arg f, Arg b, Arg s);

// ---- Wire conversion (M1-M11) ----

// M1: "0" strands of diameter d matching the section of a wire of diameter D;
// empty when d ≤ 0.
FormulaResult StrandCount(Arg bigD, Arg d);
// M2: "0.00" strand diameter giving n strands the section of diameter D; empty
// when n is 0.
FormulaResult StrandDiameter(Arg bigD, Arg n);
// M3: "0.000" section (mm²) of a round wire of d mm.
FormulaResult CircleArea(Arg d);
// M4: "0.000000" resistance 10⁻³ × s × r × q / section of a wire of d mm
// (resistivity s in Ω·mm²/m, length r × q in mm: Ω); empty when d ≤ 0.
FormulaResult ConductorResistance(Arg d, Arg q, Arg r, Arg s);
// M5: "0.000000" mass 10⁻³ × s × section × r × q of a wire of d mm (density s
// in g/cm³, length r × q in mm: g).
FormulaResult ConductorMass(Arg d, Arg q, Arg r, Arg s);
// M6: "0.000" p / q; empty when q ≤ 0.
FormulaResult Quotient3(Arg p, Arg q);
// M7: "0.000" q × p × r / 1000.
FormulaResult MilliProduct3(Arg p, Arg q, Arg r);
// M8: "0.000000" p × r / q / 1000; empty when q ≤ 0.
FormulaResult MilliRatio(Arg p, Arg q, Arg r);
// M9: bare diameter of AWG number N (single precision) as a text ending in
// "mm", at most two decimals ("0.81mm" for AWG 20); empty when N ≤ 0.
FormulaResult AwgToDiameter(Arg n);
// M10: AWG number of a d mm wire (single precision) as "0.0" text followed by
// "# " ("18.2# " for 1 mm); empty when d ≤ 0.
FormulaResult DiameterToAwg(Arg d);
// M11: "0.000" AC/DC resistance ratio of a round wire of d mm at skin depth δ
// (mm): the full section over the conducting rim δ deep, 1 once δ reaches the
// axis. x (the DC resistance callers pass along) is not used. Empty when d ≤ 0
// or δ ≤ 0.
FormulaResult SkinEffectRatio(Arg x, Arg d, Arg depth);

}  // namespace formulas
}  // namespace corvane
