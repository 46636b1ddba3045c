#include "model/step_label.h"

#include <climits>
#include <cstdlib>
#include <iterator>

#include "model/form.h"
#include "model/form_names.h"
#include "model/translator.h"

namespace corvane {

namespace {

using namespace step_verbs;
constexpr const char* kVerbs[] = {kType,  kEnter,       kKey,   kTick, kClear, kChoose,
                                  kClick, kDoubleClick, kFocus, kOpen, kEdit};

// "保存(&S)" and "&File" read as "保存" and "File"; a line break as a blank;
// a label's closing colon goes.
std::string cleanLabel(const std::string& caption) {
  std::string out;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption.compare(i, 2, "(&") == 0 && i + 3 < caption.size() && caption[i + 3] == ')') {
      i += 3;
      continue;
    }
    if (caption[i] == '&') continue;
    out += caption[i] == '\n' || caption[i] == '\r' ? ' ' : caption[i];
  }
  auto trim = [&out] {
    while (!out.empty() && out.back() == ' ') out.pop_back();
  };
  trim();
  if (!out.empty() && out.back() == ':') out.pop_back();
  if (out.size() >= 3 && out.compare(out.size() - 3, 3, "：") == 0) out.resize(out.size() - 3);
  trim();
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

// The name with its verb and label each given by `verb` and `label`.
template <class Verb, class Label>
std::string composed(const StepName& name, Verb verb, Label label) {
  std::string out = name.verb.empty() ? std::string() : verb(name.verb);
  std::string what = name.context.empty() ? name.label : cleanLabel(label(name));
  if (!what.empty() && name.row >= 0) what += "(" + std::to_string(name.row) + ")";
  if (!out.empty() && !what.empty()) out += ' ';
  return out + what;
}

}  // namespace

std::span<const char* const> stepVerbs() {
  return kVerbs;
}

StepName anyEditStep() {
  return {kEdit, "", "", -1};
}

StepName fieldStepName(const Control& control, const char* verb) {
  const std::string& form = control.form().name();
  // a command names itself; a field, by its label, names its row too
  if (!cleanLabel(control.caption()).empty()) return {verb, form, control.caption(), -1};
  if (const Control* label = namingLabel(control); label && !cleanLabel(label->caption()).empty())
    return {verb, form, label->caption(), control.inArray() ? control.index() : -1};
  return {verb, "", control.address(), -1};
}

StepName formStepName(const Form& form) {
  return {kOpen, form.name(), form.caption().empty() ? form.name() : form.caption(), -1};
}

std::vector<StepName> possibleStepNames(const Form& form) {
  std::vector<StepName> names{formStepName(form), anyEditStep()};
  for (const Control* control : form.allControls()) {
    if (!form.makesSteps(*control)) continue;
    names.push_back(fieldStepName(*control, ""));
    for (const char* verb : kVerbs)
      if (verb != kOpen && verb != kEdit) names.push_back(fieldStepName(*control, verb));
  }
  return names;
}

std::string stepText(const StepName& name) {
  return composed(
      name, [](const std::string& verb) { return verb; },
      [](const StepName& n) { return n.label; });
}

std::string shownStepText(const StepName& name, const Translator& translator) {
  return composed(
      name,
      [&](const std::string& verb) {
        return translateComposed(translator, forms::kMainWindow, verb);
      },
      [&](const StepName& n) { return translateComposed(translator, n.context, n.label); });
}

}  // namespace corvane
