// Leakage inductance between two windings from their geometry, by the
// one-dimensional field of two windings that carry equal and opposite
// ampere-turns (the short-circuit test of the pair, every other winding open).
// The field H = N·I / breadth stands in the space between the windings and
// grows or falls linearly across each winding's own extent; its energy
// ½ μ0 ∫ H² dV over a volume of one mean turn length gives
//
//     Llk = μ0 N² MLT (a1/3 + a2/3 + δ) / w      (H, referred to N turns)
//
// Concentric windings in one slot (layers one over the other): the field runs
// along the slot, a1 and a2 are the windings' radial builds TXTHT, δ the
// space between them (the tape over each winding below the outer one, and the
// build of any winding between them, which carries nothing in that test) and
// w the slot width. W. T. McLyman, "Transformer and Inductor Design
// Handbook", the chapter on winding capacitance and leakage inductance;
// L. H. Dixon, "Magnetics Design Handbook" (Unitrode/Texas Instruments), the
// section on windings and leakage inductance.
//
// Windings side by side in the two slots of a two-slot bobbin (王字, 抽屉式):
// the same one-dimensional field turned through a right angle. The field
// lines cross the window from the tongue to the outer limb, both of iron, so
// w becomes the core's window width c; the ampere-turns grow along the slot
// widths, so a1 and a2 become the widths of the two slots, and δ the divider
// between them. Dixon (as above) treats side-by-side sections this way, with
// the winding breadth and build interchanged; it is also the textbook result
// for sandwich (disc) windings, e.g. S. V. Kulkarni and S. A. Khaparde,
// "Transformer Engineering", the chapter on reactance calculations.
//
// Lengths in mm, inductance in H.
#pragma once

#include <numbers>

namespace corvane::spice {

struct TransformerDescription;
struct WindingDescription;

// μ0, H/m.
inline constexpr double kVacuumPermeability = 4e-7 * std::numbers::pi;
// One layer of the polyester insulating tape wound over each winding, film
// and adhesive together, mm.
inline constexpr double kTapeLayerThickness = 0.06;

// The space the leakage field of a pair fills.
struct LeakageChannel {
  double build1 = 0;          // extent across which winding 1's ampere-turns grow, mm
  double build2 = 0;          // the same for winding 2, mm
  double gap = 0;             // space between them where the whole ampere-turns stand, mm
  double breadth = 0;         // length of the field lines across the window, mm
  double meanTurnLength = 0;  // mm
};

// μ0 N² MLT (a1/3 + a2/3 + δ) / w, in H, referred to a winding of N turns.
double leakageInductance(double turns, const LeakageChannel& channel);

// The thickness of the divider between the slots of a two-slot bobbin, mm:
// what its flanges take of the window height beyond a one-slot bobbin's.
double slotDivider();

// The channel of two windings of the table: concentric in one slot, or side
// by side in the two slots of a two-slot bobbin.
LeakageChannel channelBetween(const TransformerDescription& design, const WindingDescription& one,
                              const WindingDescription& other);

// The two halves of a centre-tapped winding, the second wound straight over
// the first: concentric, each half the winding's build, no gap.
LeakageChannel channelBetweenHalves(const TransformerDescription& design,
                                    const WindingDescription& winding);

}  // namespace corvane::spice
