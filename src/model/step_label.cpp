#include "model/step_label.h"

#include <climits>
#include <cstdlib>

#include "model/form.h"

namespace corvane {

namespace {

// "保存(&S)" and "&File" read as "保存" and "File"; a line break as a blank.
std::string withoutAccessKey(const std::string& caption) {
  std::string out;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption.compare(i, 2, "(&") == 0 && i + 3 < caption.size() && caption[i + 3] == ')') {
      i += 3;
      continue;
    }
    if (caption[i] == '&') continue;
    out += caption[i] == '\n' || caption[i] == '\r' ? ' ' : caption[i];
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

bool overlaps(int a, int aLength, int b, int bLength) {
  return a < b + bLength && b < a + aLength;
}

// The label that names a field: the nearest one on its left on the same
// line, else the nearest above that spans its middle (a column header), in
// the same frame. Row 0 stands for every row of an array.
const Control* namingLabel(const Control& field) {
  const Form& form = field.form();
  const Control* place = &field;
  if (field.inArray())
    if (const ControlArray* rows = form.findArray(field.name()); rows && !rows->indices().empty())
      place = rows->at(rows->indices().front());
  const Geometry& at = place->geometry();
  const Control* left = nullptr;
  const Control* above = nullptr;
  int leftGap = INT_MAX, aboveGap = INT_MAX;
  const int middle = at.left + at.width / 2;
  for (const Control* label : form.allControls()) {
    if (label->kind() != ControlKind::Label || label->caption().empty()) continue;
    if (label->container() != place->container()) continue;
    const Geometry& g = label->geometry();
    if (overlaps(g.top, g.height, at.top, at.height) && g.left + g.width <= at.left + 60 &&
        at.left - g.left < leftGap) {
      leftGap = at.left - g.left;
      left = label;
    }
    if (g.top + g.height <= at.top + 30 && middle >= g.left && middle < g.left + g.width &&
        at.top - g.top < aboveGap) {
      aboveGap = at.top - g.top;
      above = label;
    }
  }
  return left ? left : above;
}

}  // namespace

std::string fieldLabel(const Control& control) {
  // a command names itself; a field, by its label, names its row too
  if (std::string name = withoutAccessKey(control.caption()); !name.empty()) return name;
  std::string name;
  if (const Control* label = namingLabel(control)) name = withoutAccessKey(label->caption());
  if (!name.empty() && name.back() == ':') name.pop_back();
  if (name.size() >= 3 && name.compare(name.size() - 3, 3, "：") == 0) name.resize(name.size() - 3);
  if (name.empty()) return control.address();
  if (control.inArray()) name += "(" + std::to_string(control.index()) + ")";
  return name;
}

std::string formLabel(const Form& form) {
  return form.caption().empty() ? form.name() : form.caption();
}

}  // namespace corvane
