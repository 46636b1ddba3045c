// A form that stands in for one of the program's: plain text boxes holding
// what the real form would have left there.
#pragma once

#include <initializer_list>
#include <utility>

#include "model/control_init.h"
#include "model/form.h"

namespace corvane::testing {

class StandInForm : public Form {
 public:
  using Form::Form;

 protected:
  // name, text
  using FieldText = std::pair<const char*, const char*>;
  void addTextFields(std::initializer_list<FieldText> fields) {
    for (const auto& [name, text] : fields)
      addControl(name, ControlKind::TextBox, textField(text, {}));
  }
  // A control array of text boxes, element 0 first.
  void addTextArray(const char* name, std::initializer_list<const char*> texts) {
    int index = 0;
    for (const char* text : texts) {
      if (index == 0)
        addArray(name, ControlKind::TextBox, textField(text, {}));
      else
        array(name).load(index, textField(text, {}));
      ++index;
    }
  }
};

}  // namespace corvane::testing
