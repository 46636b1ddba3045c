#include "model/formula_arg.h"

#include "model/control.h"
#include "model/value.h"

namespace corvane {

FormulaArg::FormulaArg(const Control& control) : text_(control.text()) {}

double FormulaArg::num() const {
  return isNumber_ ? number_ : Val(text_);
}

std::string FormulaArg::text() const {
  return isNumber_ ? generalFormat(number_) : text_;
}

}  // namespace corvane
