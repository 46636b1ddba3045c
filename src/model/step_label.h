// What the "编辑" menu calls a step: what the user did ("修改", "回车"; a
// command names itself without one) to which field or command, by the
// caption or label its form shows for it, or the column header above it,
// with the row of an array ("修改 圈数Ts(2)").
#pragma once

#include <span>
#include <string>
#include <vector>

namespace corvane {

class Control;
class Form;
class Translator;

// What the user did, as the edit menu says it.
namespace step_verbs {
inline constexpr const char* kType = "修改";       // typed into a field
inline constexpr const char* kEnter = "回车";      // pressed Enter in it
inline constexpr const char* kKey = "按键";        // pressed another key
inline constexpr const char* kTick = "勾选";       // ticked a box
inline constexpr const char* kClear = "取消勾选";  // cleared it
inline constexpr const char* kChoose = "选择";     // chose an option or an item
inline constexpr const char* kClick = "单击";      // clicked what is no command
inline constexpr const char* kDoubleClick = "双击";
inline constexpr const char* kFocus = "进入";  // entered a field
inline constexpr const char* kOpen = "打开";   // opened a form
inline constexpr const char* kEdit = "编辑";   // a step nothing else names
}  // namespace step_verbs

struct StepName {
  // a verb of the edit menu ("修改", "回车"), "" for a command
  std::string verb;
  // the form whose text `label` is; "" where the label is no text of a form
  // (a control's address)
  std::string context;
  // the caption or label as the form holds it ("圈数Ts：", "保存(&S)")
  std::string label;
  // the row of an array a label names, -1 for none
  int row = -1;
  bool empty() const { return verb.empty() && label.empty(); }
  bool operator==(const StepName&) const = default;
};

// The verbs a step's name begins with, each a text of the main window (the
// context the edit menu's texts are translated in).
std::span<const char* const> stepVerbs();
// The step that names no field: its name is the edit menu's own title.
StepName anyEditStep();

// The name of a step on a field or command; `verb` is one of stepVerbs() or
// "" for a command's click.
StepName fieldStepName(const Control& control, const char* verb);
// The name of a step that opens a form.
StepName formStepName(const Form& form);

// Every name a step on the form can have: each of its controls with each
// verb or none, the form's opening, and the step nothing names.
std::vector<StepName> possibleStepNames(const Form& form);

// "修改 圈数Ts(2)", as the program holds it.
std::string stepText(const StepName& name);
// The same as the user reads it: the verb as the main window's text, the
// label as its form shows it, both through `translator`.
std::string shownStepText(const StepName& name, const Translator& translator);

}  // namespace corvane
