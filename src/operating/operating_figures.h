// The figures of the operating analysis from the design as plain values: the
// design at low, nominal and high mains (supply, flux density, iron loss,
// no-load current, rise at full load and its verdict), each output group's
// no-load voltage with the reservoir capacitor's rating, the efficiency at
// part load and the adapter efficiency level. Every figure is the text the
// form shows, or the reason it cannot be worked out.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/color.h"
#include "operating/mains_columns.h"
#include "operating/part_load_efficiency.h"
#include "winding/operating_point.h"

namespace corvane::operating {

// A number read from a field, or why the field gives none.
struct Reading {
  std::optional<double> value;
  std::string missing;  // why there is no value
  static Reading of(double number) { return {number, {}}; }
  static Reading none(std::string why) { return {std::nullopt, std::move(why)}; }
};

// A figure's text, or the reason it stays empty.
struct Figure {
  std::string text;
  std::string reason;  // why the text is empty
  static Figure shown(std::string text) { return {std::move(text), {}}; }
  static Figure empty(std::string why) { return {{}, std::move(why)}; }
};

// One output group of the electrical form and its winding.
struct GroupReading {
  std::string name;     // TXTWN
  std::string circuit;  // CMBZL
  std::string diode;    // cmbdio
  double voltage = 0;   // txtudc, V
  double current = 0;   // txtidc, A
  // the no-load voltage of its row in the winding table, V
  Reading windingVoltage;
};

// What the analysis reads of the design.
struct DesignReading {
  Reading tolerance;                 // ± mains variation, %
  Reading primaryVoltage;            // U1, V
  Reading fluxDensity;               // Bm, T
  Reading ironLoss;                  // Pc, W
  Reading pathLength;                // le, mm
  std::string grade;                 // the steel grade, for its curve
  double ratedFluxDensity = 0;       // the steel's flux density, T
  double coilSurface = 0;            // FM, cm²
  double coreSurface = 0;            // FC, cm²
  double allowedRise = 0;            // K
  std::vector<GroupReading> groups;  // 0..N
  // of the winding table
  Reading primaryTurns;       // N1
  Reading primaryResistance;  // R1 at 20 °C, mΩ
  Figure noLoadCurrent;       // I0 as the structure form shows it
  Reading copperLoss;         // Σ of the rows' full-load copper loss, W
};

struct GroupFigures {
  std::array<Figure, kMainsColumns> noLoadOutput;
  Figure capacitorRating;
};

struct OperatingFigures {
  std::optional<MainsFactors> factors;
  std::array<Figure, kMainsColumns> mainsVoltage;
  std::array<Figure, kMainsColumns> fluxDensity;
  std::array<std::optional<Rgb>, kMainsColumns> fluxColour;
  std::array<Figure, kMainsColumns> ironLoss;
  std::array<Figure, kMainsColumns> noLoadCurrent;
  std::array<Figure, kMainsColumns> loadRise;
  std::array<Figure, kMainsColumns> enclosedRise;
  std::array<Figure, kMainsColumns> verdict;
  std::vector<GroupFigures> groups;
  std::array<Figure, kLoadPoints> outputPower;
  std::array<Figure, kLoadPoints> losses;
  std::array<Figure, kLoadPoints> efficiency;
  Figure averageEfficiency;
  Figure noLoadInputPower;
  Figure adapterClass;
  Figure requiredEfficiency;
  Figure requiredNoLoadPower;
  Figure adapterVerdict;
};

OperatingFigures operatingFigures(const DesignReading& design);

// The full-load rise verdict as the form shows it: "安全", "过热", "严重警告".
std::string verdictText(winding::Verdict verdict);

}  // namespace corvane::operating
