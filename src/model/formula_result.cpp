#include "model/formula_result.h"

#include "model/value.h"

namespace corvane {

FormulaResult FormulaResult::ofNumber(double value) {
  FormulaResult result;
  result.kind_ = Kind::Number;
  result.number_ = value;
  return result;
}

FormulaResult FormulaResult::ofText(std::string text) {
  FormulaResult result;
  result.kind_ = Kind::Text;
  result.text_ = std::move(text);
  return result;
}

std::string FormulaResult::fieldText() const {
  switch (kind_) {
    case Kind::Empty:
      return "";
    case Kind::Number:
      return generalFormat(number_);
    case Kind::Text:
      return text_;
  }
  return "";
}

double FormulaResult::num() const {
  switch (kind_) {
    case Kind::Empty:
      return 0;
    case Kind::Number:
      return number_;
    case Kind::Text:
      return Val(text_);
  }
  return 0;
}

}  // namespace corvane
