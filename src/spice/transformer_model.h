// The designed transformer as the elements of a SPICE subcircuit: each
// winding an inductor with its hot resistance in series, the magnetising
// inductance and a core-loss resistor seen from primary 1, and a coupling
// coefficient for every pair of windings from their leakage inductance.
//
// Magnetising: the structure form gives the no-load current I0 as the
// quadrature sum of the magnetising current Iμ and the in-phase current
// Pc / U1 that supplies the iron loss, so Iμ = √(I0² − (Pc/U1)²),
// Lm = U1 / (2π f Iμ) is primary 1's inductance and Rc = U1² / Pc lies
// across its terminals: the model draws I0 at no load.
//
// Coupling: the leakage Llk of every pair, referred to primary 1
// (leakage.h). Primary 1 and winding i: k1i = √(1 − Llk / Lm), the
// short-circuit inductance L1 (1 − k1i²) being Llk. Winding i's inductance is
// Li = Lm (Ni / N1)² / k1i²: the coupled pair then has all its leakage on
// winding i's side, and its open-circuit voltage is U1 Ni / N1 exactly rather
// than k1i times it (with Lm (Ni/N1)² alone a winding in the other slot of a
// two-slot bobbin would show 2 % too little at no load). Two windings i and j
// besides primary 1: kij = √(1 − Llk k1i k1j / Lm), so their short-circuit
// inductance Li (1 − kij²), referred to primary 1, is Llk to within the ratio
// k1j / k1i of the two couplings. A centre-tapped winding (a full-wave
// group's) is two halves of half the turns and half the resistance, each
// coupled like the whole winding, the halves to each other like two windings.
//
// Inductance in H, resistance in Ω, current in A.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/outcome.h"
#include "spice/transformer_description.h"

namespace corvane::spice {

// One inductor of the model: a winding, or one half of a centre-tapped one.
struct Coil {
  std::size_t winding = 0;  // index into the description's windings
  int half = 0;             // 0 the whole winding; 1 and 2 the halves of a centre-tapped one
  std::string name;         // element name after its letter: "P1", "S2", "S2B"
  std::string from, to;     // pins it lies between, its start (the dot) at `from`
  double turns = 0;
  double inductance = 0;  // H
  double resistance = 0;  // Ω, in series at `from`
};

// The coupling of two coils.
struct Coupling {
  std::size_t first = 0, second = 0;  // indices into the coils
  double leakage = 0;                 // H, referred to primary 1
  double k = 0;
};

struct TransformerModel {
  double magnetisingCurrent = 0;     // Iμ, A
  double magnetisingInductance = 0;  // Lm, H
  double coreLossResistance = 0;     // Rc, Ω; 0 when the core has no iron loss
  // each winding's name in the netlist, in table order: "P1", "P2" for the
  // primaries, "S1", "S2", … for the secondaries; its pins are the name
  // followed by A (start), B (finish) and M (centre tap)
  std::vector<std::string> windingNames;
  std::vector<std::string> pins;  // in subcircuit order
  std::vector<Coil> coils;
  std::vector<Coupling> couplings;
};

// The model, or the reason there is none in words for the user: a saturated
// core, no no-load current, a winding the design pass has not worked out, a
// leakage as large as the magnetising inductance, couplings that contradict
// each other, a value beyond range.
Outcome<TransformerModel> buildTransformerModel(const TransformerDescription& design);

// The reasons buildTransformerModel gives that name nothing of the design,
// for the list of texts the interface translates.
std::vector<std::string> fixedModelReasons();

// True when the symmetric matrix is positive definite (Cholesky): coupling
// coefficients a simulator can use together.
bool isPositiveDefinite(std::vector<std::vector<double>> matrix);

// Whether the winding is centre-tapped: a secondary of a full-wave group.
bool isCentreTapped(const TransformerDescription& design, const WindingDescription& winding);

}  // namespace corvane::spice
