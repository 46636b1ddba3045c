// One input of a design formula: a number, or a text such as a field shows
// ("35.5W", "2UEW"). Callers pass fields, literals and computed values alike;
// the formula reads numbers with the leading-number rule.
#pragma once

#include <string>
#include <string_view>
#include <type_traits>

namespace corvane {

class Control;

class FormulaArg {
 public:
  template <typename T>
  requires std::is_arithmetic_v<T> FormulaArg(T value)
      : isNumber_(true), number_(static_cast<double>(value)) {}
  FormulaArg(std::string text) : text_(std::move(text)) {}
  FormulaArg(std::string_view text) : text_(text) {}
  FormulaArg(const char* text) : text_(text ? text : "") {}
  // The control's current text, taken when the argument is made.
  FormulaArg(const Control& control);

  // Leading-number read of a text; a number as it is.
  double num() const;
  // The text as given; a number in general format.
  std::string text() const;

 private:
  bool isNumber_ = false;
  double number_ = 0;
  std::string text_;
};

}  // namespace corvane
