// The engineering constants the design's equations use, each in one place.
// π and 2π keep the design's roundings (3.14 and 6.28): every result of the
// winding, core and capacitor equations is checked against worked examples
// computed with them, and the finer value would move their last digits.
#pragma once

namespace corvane::design {

inline constexpr double kPi = 3.14;
inline constexpr double kTwoPi = 6.28;

// Transformer equation U = 4.44 f B S N: 4.44 = 4 × 1.11, the form factor of
// a sine; with B in T and S in cm² the turns carry a factor 10⁴.
inline constexpr double kSineEmfFactor = 4.44;
inline constexpr double kCm2PerM2 = 1e4;
// The power a window carries, 2.22 f B S J Sw: half of 4.44, since half the
// window holds the primary's ampere-turns.
inline constexpr double kHalfWindowEmfFactor = 2.22;

// Copper: density in g/cm³, and the resistivity of drawn enamelled wire at
// 20 °C in mΩ·mm²/m the winding table works with.
inline constexpr double kCopperDensity = 8.95;
inline constexpr double kCopperResistivity20 = 17.9;

// Stacking factors of the laminations: the share of the stack that is iron
// in the estimate of the highest output power, and in the section of the
// stack the designer confirms.
inline constexpr double kStackingFactor = 0.96;
inline constexpr double kConfirmedStackingFactor = 0.95;

// Flux density (T) from which silicon steel runs into saturation: the core
// and structure forms show their flux density red there.
inline constexpr double kSaturationFluxDensity = 1.8;

}  // namespace corvane::design
