// Engineering tables of the electrical specification: rectifier circuits,
// rectifier diodes, the default voltage regulation by output power and the
// insulation classes. Each table lives here once; code walks the arrays.
#pragma once

#include <array>
#include <limits>
#include <string_view>

namespace corvane::electrical {

struct RectifierCircuit {
  std::string_view name;  // list text of CMBZL
  double voltageFactor;   // Kv: winding AC voltage per volt of output
  double currentFactor;   // Ki: winding AC current per amp of output
  int diodesInSeries;     // n: diodes conducting at once
};

// name, Kv, Ki, n (the list order of the rectifier drop-down)
inline constexpr std::array<RectifierCircuit, 7> kRectifierCircuits{{
    {"无", 1, 1, 1},
    {"半波电阻", 2.26, 1.57, 1},
    {"半波电容", 1, 2.3, 1},
    {"全波电阻", 2.26, 0.79, 1},
    {"全波电容", 1.7, 1.15, 1},
    {"全桥电阻", 1.13, 1.11, 2},
    {"全桥电容", 0.85, 1.65, 2},
}};

struct RectifierDiode {
  std::string_view name;      // list text of cmbdio
  std::string_view dropText;  // forward drop in V as shared text; "" stands for the number 0
};

// name, forward drop (V) (the list order of the diode drop-down)
inline constexpr std::array<RectifierDiode, 3> kRectifierDiodes{{
    {"无", ""},
    {"锗管", "0.7"},
    {"硅管", "1.0"},
}};

struct RegulationBand {
  double powerLimit;   // W: the band holds powers up to this limit
  bool limitExcluded;  // true: strictly below the limit
  int regulation;      // default allowed voltage regulation, %
};

// upper power limit (W), limit excluded, regulation (%); first matching band applies
inline constexpr std::array<RegulationBand, 8> kRegulationBands{{
    {0, true, 30},
    {30, false, 27},
    {40, false, 20},
    {50, false, 18},
    {65, false, 15},
    {125, false, 10},
    {200, false, 8},
    {std::numeric_limits<double>::infinity(), false, 5},
}};

struct InsulationClass {
  std::string_view name;  // list text of Combo1
  int limit;              // highest permitted temperature, °C
};

// class, temperature limit (°C)
inline constexpr std::array<InsulationClass, 7> kInsulationClasses{{
    {"Class Y", 90},
    {"Class A", 105},
    {"Class E", 120},
    {"Class B", 130},
    {"Class F", 155},
    {"Class H", 180},
    {"Class C", 200},
}};

// Items of the insulation-class drop-down, in the order the list shows them
// (the last class appears twice in the list).
inline constexpr std::array<std::string_view, 8> kInsulationClassItems{
    "Class Y", "Class A", "Class B", "Class C", "Class E", "Class F", "Class H", "Class H"};
inline constexpr int kDefaultInsulationItem = 2;  // "Class B"

// nullptr when the text names no row
const RectifierCircuit* findRectifierCircuit(std::string_view name);
const RectifierDiode* findRectifierDiode(std::string_view name);
const InsulationClass* findInsulationClass(std::string_view name);
int defaultRegulation(double outputPower);

}  // namespace corvane::electrical
