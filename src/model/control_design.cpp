#include "model/control_design.h"

#include <utility>

#include "model/programming_error.h"

namespace corvane {

namespace {

unsigned bitOf(DesignProperty property) {
  return 1u << static_cast<unsigned>(property);
}

// Calls `use` with the member of ControlDesign that holds `property`.
template <class Use>
void withMember(DesignProperty property, Use&& use) {
  switch (property) {
    case DesignProperty::Text:
      return use(&ControlDesign::text);
    case DesignProperty::Caption:
      return use(&ControlDesign::caption);
    case DesignProperty::Items:
      return use(&ControlDesign::items);
    case DesignProperty::ListIndex:
      return use(&ControlDesign::listIndex);
    case DesignProperty::Value:
      return use(&ControlDesign::value);
    case DesignProperty::Visible:
      return use(&ControlDesign::visible);
    case DesignProperty::Enabled:
      return use(&ControlDesign::enabled);
    case DesignProperty::Locked:
      return use(&ControlDesign::locked);
    case DesignProperty::OwnBackColor:
      return use(&ControlDesign::hasBackColor);
    case DesignProperty::BackColor:
      return use(&ControlDesign::backColor);
    case DesignProperty::ForeColor:
      return use(&ControlDesign::foreColor);
    case DesignProperty::Picture:
      return use(&ControlDesign::picture);
  }
  throw ProgrammingError("unknown design property");
}

void copy(DesignProperty property, ControlDesign& to, const ControlDesign& from) {
  withMember(property, [&](auto member) { to.*member = from.*member; });
}

bool same(DesignProperty property, const ControlDesign& a, const ControlDesign& b) {
  bool equal = false;
  withMember(property, [&](auto member) { equal = a.*member == b.*member; });
  return equal;
}

}  // namespace

DesignChanges DesignChanges::between(const ControlDesign& designTime, ControlDesign now) {
  DesignChanges changes;
  const ControlDesign plain;
  // the values move over whole (a picture's display list is not copied);
  // those of the properties that did not change go back to plain
  for (DesignProperty property : kDesignProperties) {
    if (same(property, designTime, now))
      copy(property, now, plain);
    else
      changes.held_ |= bitOf(property);
  }
  changes.values_ = std::move(now);
  return changes;
}

DesignChanges DesignChanges::whole(const ControlDesign& state) {
  DesignChanges changes;
  for (DesignProperty property : kDesignProperties) changes.take(property, state);
  return changes;
}

bool DesignChanges::has(DesignProperty property) const {
  return (held_ & bitOf(property)) != 0;
}

void DesignChanges::take(DesignProperty property, const ControlDesign& from) {
  held_ |= bitOf(property);
  copy(property, values_, from);
}

ControlDesign DesignChanges::appliedTo(ControlDesign designTime) const {
  for (DesignProperty property : kDesignProperties)
    if (has(property)) copy(property, designTime, values_);
  return designTime;
}

}  // namespace corvane
