// The summary arithmetic of the winding structure as plain functions: the
// flux density on load and the colour of the no-load flux density, the
// open-frame and adapter temperature rise from the total loss, and the
// three-way safety verdict.
#pragma once

#include <string>

#include "model/color.h"

namespace corvane::winding {

// "0.00" flux density on load (T): the no-load value reduced by half the
// regulation (%) of the first secondary.
std::string loadFluxDensityText(double noLoadFluxDensity, double regulation);

// Background of a no-load flux density (T): green below the steel's rated
// flux density, yellow from it, red from 1.8 T whatever the steel.
Rgb fluxDensityColour(double fluxDensity, double ratedFluxDensity);

// Open-frame temperature rise (K) of a loss (W) dissipated over the coil and
// core cooling surfaces (cm²): 1.543 × (P × 1000 / (FM + FC))^0.833.
double openFrameRise(double loss, double coilSurface, double coreSurface);

// "0.0" open-frame rise of a total loss (W) as the load run shows it, ""
// when the core has no cooling surface (FC = 0).
std::string openFrameRiseText(double loss, double coilSurface, double coreSurface);

// "0.0" rise of the same transformer enclosed in an adapter housing.
std::string adapterRiseText(double openFrameRise);

enum class Verdict {
  Safe,         // below 80 % of the allowed rise
  Overheating,  // from 80 % of the allowed rise up to 10 K above it
  Dangerous,    // 10 K or more above the allowed rise
};

// The thresholds are compared on their decimal values, so a rise of 36 K is
// 80 % of 45 K exactly.
Verdict temperatureVerdict(double rise, double allowedRise);

}  // namespace corvane::winding
