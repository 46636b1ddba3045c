// The design formulas by their IDs ("F1".."F27" without F15, "M1".."M11"), so
// a script can evaluate any of them on argument texts.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/formula_result.h"

namespace corvane {

class SharedValues;

struct FormulaEntry {
  std::string_view id;    // "F1"
  std::string_view name;  // "TurnsFromVoltage"
  int argumentCount;
  // Calls the formula on exactly argumentCount texts; may throw RecalcAbort.
  FormulaResult (*invoke)(const std::vector<std::string>& arguments, SharedValues& shared);
};

// Every formula, F1..F27 then M1..M11, in ID order.
std::span<const FormulaEntry> formulaTable();

// The entry of an ID (exact, case-sensitive), nullptr when there is none.
const FormulaEntry* findFormula(std::string_view id);

// The text a script prints for one evaluation: the result's field text,
// "(empty)" for the empty result, "(error)" when the formula meets an arithmetic
// error. An unknown ID or a wrong number of arguments is the caller's mistake,
// not a formula result: it throws std::invalid_argument with a message that
// names the ID (and the expected count).
std::string evalText(std::string_view id, const std::vector<std::string>& arguments,
                     SharedValues& shared);

}  // namespace corvane
