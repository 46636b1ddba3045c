#include "model/shared_values.h"

#include <iterator>

#include "model/control.h"
#include "model/form.h"
#include "model/workspace.h"

namespace corvane {

// Each setter keeps only what the new kind reads, so a value holds nothing
// left over from an earlier kind and what a saved design records of it is
// exactly what it shows.
void SharedValue::setNumber(double value) {
  *this = SharedValue();
  kind_ = Kind::Number;
  number_ = value;
}

void SharedValue::setText(std::string text) {
  *this = SharedValue();
  kind_ = Kind::Text;
  text_ = std::move(text);
}

void SharedValue::setReference(FieldRef ref) {
  *this = SharedValue();
  kind_ = Kind::Reference;
  ref_ = std::move(ref);
}

Control* SharedValue::target(const Workspace& workspace) const {
  if (kind_ != Kind::Reference) return nullptr;
  Form* form = workspace.existing(ref_.form);
  return form ? form->find(ref_.field, ref_.row) : nullptr;
}

// A number, a text or nothing reads exactly as a formula result of that kind
// does, so a shared flux density and a computed one show the same digits.
FormulaResult SharedValue::plain() const {
  switch (kind_) {
    case Kind::Number:
      return FormulaResult::ofNumber(number_);
    case Kind::Text:
      return FormulaResult::ofText(text_);
    case Kind::Empty:
    case Kind::Reference:
      break;
  }
  return {};
}

double SharedValue::num(const Workspace& workspace) const {
  if (kind_ != Kind::Reference) return plain().num();
  Control* control = target(workspace);
  return control ? control->num() : 0;
}

std::string SharedValue::text(const Workspace& workspace) const {
  if (kind_ != Kind::Reference) return plain().fieldText();
  Control* control = target(workspace);
  return control ? control->displayText() : "";
}

bool SharedValue::write(Workspace& workspace, const std::string& text) {
  if (kind_ != Kind::Reference) {
    setText(text);
    return true;
  }
  Control* control = target(workspace);
  if (!control) return false;
  control->setText(text);
  return true;
}

namespace {
struct Entry {
  const char* name;
  SharedValue SharedValues::*member;
};
constexpr Entry kEntries[] = {
    {"gFluxRef", &SharedValues::gFluxRef},
    {"gGroupVoltageRef", &SharedValues::gGroupVoltageRef},
    {"gGroupCurrentRef", &SharedValues::gGroupCurrentRef},
    {"gRectVoltFactor", &SharedValues::gRectVoltFactor},
    {"gRectCurrFactor", &SharedValues::gRectCurrFactor},
    {"gDiodeDrop", &SharedValues::gDiodeDrop},
    {"gWireLayerFactor", &SharedValues::gWireLayerFactor},
    {"gBobbinCk1Ref", &SharedValues::gBobbinCk1Ref},
    {"gBobbinCk2Ref", &SharedValues::gBobbinCk2Ref},
    {"gBobbinChRef", &SharedValues::gBobbinChRef},
};
}  // namespace

SharedValue* SharedValues::find(const std::string& name) {
  for (const Entry& entry : kEntries)
    if (name == entry.name) return &(this->*entry.member);
  return nullptr;
}

const SharedValue* SharedValues::find(const std::string& name) const {
  return const_cast<SharedValues*>(this)->find(name);
}

size_t SharedValues::count() {
  return std::size(kEntries);
}

const SharedValue& SharedValues::at(size_t position) const {
  return this->*kEntries[position].member;
}

std::vector<std::string> SharedValues::names() {
  std::vector<std::string> out;
  for (const Entry& entry : kEntries) out.emplace_back(entry.name);
  return out;
}

}  // namespace corvane
