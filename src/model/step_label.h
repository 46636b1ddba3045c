// What the "编辑" menu calls a field or a command of a step: its caption
// without the menu's access key, else the label beside it or the column
// header above it, with the row of an array ("圈数Ts(2)").
#pragma once

#include <string>

namespace corvane {

class Control;
class Form;

std::string fieldLabel(const Control& control);
// The name of a form as the user sees it: its caption.
std::string formLabel(const Form& form);

}  // namespace corvane
