// The rectifier conversion of one output group as plain functions: the
// winding's AC voltage and current behind its rectifier, its power, the
// reservoir-capacitor range, its share of the primary current and its
// no-load voltage. Voltages in V, currents in A, frequency in Hz.
#pragma once

#include <optional>
#include <string>

namespace corvane::electrical {

// A negative output voltage or current is a negative rail: its winding, its
// rectifier and its share of the power are those of the positive rail, so
// the design takes the magnitude of what was typed.
double railMagnitude(double typed);

// General text of Kv × Udc + Vd × n: the AC voltage that gives the DC output.
std::string acVoltageText(double voltageFactor, double outputVoltage, double diodeDrop, int diodes);
// General text of Ki × Idc.
std::string acCurrentText(double currentFactor, double outputCurrent);
// "0.0" text of the winding's volt-amperes.
std::string groupPowerText(double acCurrent, double acVoltage);

// The reservoir capacitor for a ripple of C = k / (2π f RL), k from 10 to 25,
// as whole microfarads "2653uF-6634uF"; none unless voltage, current and
// frequency are positive.
std::optional<std::string> capacitorRangeText(double outputVoltage, double outputCurrent,
                                              double frequency);

// The group's share of the primary current: its VA over the sum of the input
// voltages, rounded to 1 mA as the "0.000" text would show it.
double primaryCurrentShare(double acVoltage, double acCurrent, double inputVoltage1,
                           double inputVoltage2);

// "0.000" no-load voltage: the on-load AC voltage raised by the allowed
// regulation (%).
std::string noLoadVoltageText(double acVoltage, double regulation);

}  // namespace corvane::electrical
