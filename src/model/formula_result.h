// What a design formula gives back: nothing (a guard input was not usable),
// a number (written by callers in general format) or a text already formatted
// with a fixed pattern, often carrying no unit.
#pragma once

#include <string>

namespace corvane {

class FormulaResult {
 public:
  enum class Kind { Empty, Number, Text };

  // The empty result: callers store it as an empty field.
  FormulaResult() = default;
  static FormulaResult ofNumber(double value);
  static FormulaResult ofText(std::string text);

  Kind kind() const { return kind_; }
  bool isEmpty() const { return kind_ == Kind::Empty; }
  bool isNumber() const { return kind_ == Kind::Number; }
  bool isText() const { return kind_ == Kind::Text; }

  // The number of a number result (0 otherwise).
  double number() const { return number_; }
  // The text of a text result ("" otherwise).
  const std::string& text() const { return text_; }

  // What a caller writes into a field: "" when empty, the general format of a
  // number, the text as it is.
  std::string fieldText() const;
  // The result read back as a field would be: the leading-number read of the
  // field text, 0 when empty.
  double num() const;

  bool operator==(const FormulaResult&) const = default;

 private:
  Kind kind_ = Kind::Empty;
  double number_ = 0;
  std::string text_;
};

}  // namespace corvane
