// Program-wide shared values that carry context between the forms and the
// formula library: numbers, texts, or references to a field of a form.
#pragma once

#include <string>
#include <vector>

#include "model/formula_result.h"

namespace corvane {

class Workspace;
class Control;

// Which field a reference designates: form, control name and row (-1 for a
// control outside an array). Reads go to that field's current text.
struct FieldRef {
  std::string form;
  std::string field;
  int row = -1;
  bool operator==(const FieldRef&) const = default;
};

class SharedValue {
 public:
  enum class Kind { Empty, Number, Text, Reference };

  Kind kind() const { return kind_; }
  bool isReference() const { return kind_ == Kind::Reference; }
  const FieldRef& reference() const { return ref_; }
  // What a number or a text holds, as stored.
  double storedNumber() const { return number_; }
  const std::string& storedText() const { return text_; }

  void clear() { *this = SharedValue(); }
  void setNumber(double value);
  void setText(std::string text);
  void setReference(FieldRef ref);

  // Numeric read: the leading-number read of the text or referenced field; an
  // empty value, or a reference to a field that no longer exists, reads 0.
  double num(const Workspace& workspace) const;
  // Text read: general format for a number, "" when empty.
  std::string text(const Workspace& workspace) const;
  // Writes through a reference to its field (running its change reaction);
  // on a plain value stores the text. Returns false when the referenced field
  // does not exist.
  bool write(Workspace& workspace, const std::string& text);
  // The referenced control, nullptr for plain values or absent fields.
  Control* target(const Workspace& workspace) const;

 private:
  // A number, a text or an empty value as the formula result it reads like
  // (empty for a reference).
  FormulaResult plain() const;

  Kind kind_ = Kind::Empty;
  double number_ = 0;
  std::string text_;
  FieldRef ref_;
};

class SharedValues {
 public:
  SharedValue gFluxRef;
  SharedValue gGroupVoltageRef;
  SharedValue gGroupCurrentRef;
  SharedValue gRectVoltFactor;
  SharedValue gRectCurrFactor;
  SharedValue gDiodeDrop;
  SharedValue gWireLayerFactor;
  SharedValue gBobbinCk1Ref;
  SharedValue gBobbinCk2Ref;
  SharedValue gBobbinChRef;
  // Insulation allowance of the wire type (mm), shared by the turns-per-layer
  // and build formulas: a wire type neither knows keeps the last one.
  double wireInsulation = 0;

  // Lookup by name for the script driver; nullptr for an unknown name.
  SharedValue* find(const std::string& name);
  const SharedValue* find(const std::string& name) const;
  // Every name find knows, in a fixed order.
  static std::vector<std::string> names();
  // The value of the name at `position` in names(), without a look-up.
  static size_t count();
  const SharedValue& at(size_t position) const;
};

}  // namespace corvane
