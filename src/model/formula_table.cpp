#include "model/formula_table.h"

#include <array>
#include <stdexcept>
#include <utility>

#include "model/formulas.h"
#include "model/value.h"

namespace corvane {

namespace {

using Arguments = std::vector<std::string>;

template <typename... Params>
constexpr int countOf(FormulaResult (*)(Params...)) {
  return sizeof...(Params);
}

// Calls a formula of plain inputs with the argument texts in order.
template <auto Formula, std::size_t... I>
FormulaResult callWith(const Arguments& args, std::index_sequence<I...>) {
  return Formula(FormulaArg(args[I])...);
}

template <auto Formula>
FormulaResult invokePlain(const Arguments& args, SharedValues&) {
  return callWith<Formula>(args, std::make_index_sequence<countOf(Formula)>());
}

// The same for the layout formulas, which also take the shared values.
template <auto Formula, std::size_t... I>
FormulaResult callSharedWith(const Arguments& args, SharedValues& shared,
                             std::index_sequence<I...>) {
  return Formula(shared, FormulaArg(args[I])...);
}

template <auto Formula>
FormulaResult invokeShared(const Arguments& args, SharedValues& shared) {
  return callSharedWith<Formula>(args, shared, std::make_index_sequence<countOf(Formula) - 1>());
}

template <auto Formula>
constexpr FormulaEntry plain(std::string_view id, std::string_view name) {
  return {id, name, countOf(Formula), &invokePlain<Formula>};
}

template <auto Formula>
constexpr FormulaEntry shared(std::string_view id, std::string_view name) {
  return {id, name, countOf(Formula) - 1, &invokeShared<Formula>};
}

namespace f = formulas;

// ID, name, formula (the argument count follows from the formula).
constexpr std::array kFormulas = {
    plain<&f::TurnsFromVoltage>("F1", "TurnsFromVoltage"),
    plain<&f::WireDiameterFromCurrent>("F2", "WireDiameterFromCurrent"),
    plain<&f::CopperResistance20>("F3", "CopperResistance20"),
    plain<&f::ResistanceAtTemperature>("F4", "ResistanceAtTemperature"),
    shared<&f::TurnsPerLayer>("F5", "TurnsPerLayer"),
    plain<&f::DivideOneDecimal>("F6", "DivideOneDecimal"),
    shared<&f::WindingBuild>("F7", "WindingBuild"),
    plain<&f::MeanTurnLength>("F8", "MeanTurnLength"),
    plain<&f::CopperWeight>("F9", "CopperWeight"),
    plain<&f::MilliProduct>("F10", "MilliProduct"),
    plain<&f::Difference>("F11", "Difference"),
    plain<&f::ScaledDifference>("F12", "ScaledDifference"),
    plain<&f::MilliPowerFromCurrent>("F13", "MilliPowerFromCurrent"),
    plain<&f::PercentChange>("F14", "PercentChange"),
    plain<&f::WiresInArea>("F16", "WiresInArea"),
    plain<&f::CurrentDensity>("F17", "CurrentDensity"),
    plain<&f::TurnsFromVoltageText>("F18", "TurnsFromVoltageText"),
    plain<&f::Product4>("F19", "Product4"),
    plain<&f::StandardWireDiameter>("F20", "StandardWireDiameter"),
    plain<&f::RootRatio12250>("F21", "RootRatio12250"),
    plain<&f::LoadedProduct>("F22", "LoadedProduct"),
    plain<&f::RootOfQuotient>("F23", "RootOfQuotient"),
    plain<&f::CopperTemperatureFactor>("F24", "CopperTemperatureFactor"),
    plain<&f::Ratio2_5>("F25", "Ratio2_5"),
    plain<&f::TurnsFromVoltageOrdered>("F26", "TurnsFromVoltageOrdered"),
    plain<&f::TurnsPerVolt>("F27", "TurnsPerVolt"),
    plain<&f::StrandCount>("M1", "StrandCount"),
    plain<&f::StrandDiameter>("M2", "StrandDiameter"),
    plain<&f::CircleArea>("M3", "CircleArea"),
    plain<&f::ConductorResistance>("M4", "ConductorResistance"),
    plain<&f::ConductorMass>("M5", "ConductorMass"),
    plain<&f::Quotient3>("M6", "Quotient3"),
    plain<&f::MilliProduct3>("M7", "MilliProduct3"),
    plain<&f::MilliRatio>("M8", "MilliRatio"),
    plain<&f::AwgToDiameter>("M9", "AwgToDiameter"),
    plain<&f::DiameterToAwg>("M10", "DiameterToAwg"),
    plain<&f::SkinEffectRatio>("M11", "SkinEffectRatio"),
};

}  // namespace

std::span<const FormulaEntry> formulaTable() {
  return kFormulas;
}

const FormulaEntry* findFormula(std::string_view id) {
  for (const FormulaEntry& entry : kFormulas)
    if (entry.id == id) return &entry;
  return nullptr;
}

std::string evalText(std::string_view id, const std::vector<std::string>& arguments,
                     SharedValues& shared) {
  const FormulaEntry* entry = findFormula(id);
  if (!entry) throw std::invalid_argument("unknown formula " + std::string(id));
  if (static_cast<int>(arguments.size()) != entry->argumentCount) {
    const char* noun = entry->argumentCount == 1 ? " argument, got " : " arguments, got ";
    throw std::invalid_argument(std::string(id) + " takes " + std::to_string(entry->argumentCount) +
                                noun + std::to_string(arguments.size()));
  }
  try {
    FormulaResult result = entry->invoke(arguments, shared);
    return result.isEmpty() ? "(empty)" : result.fieldText();
  } catch (const RecalcAbort&) {
    return "(error)";
  }
}

}  // namespace corvane
