// Two workspaces that show the same design have the same design forms, in
// the same order, with the same controls: every setting of each control —
// its layout included, which a saved design does not hold — and the picture
// drawn on it.
#pragma once

#include <string>

#include "model/form.h"
#include "model/picture.h"
#include "model/workspace.h"

namespace corvane::testing {

// The first control that differs, as "Form.ADDR"; "" when none does.
inline std::string firstOtherControl(const Workspace& shown, const Workspace& expected) {
  auto designForms = [](const Workspace& ws) {
    std::vector<const Form*> forms;
    for (const Form* form : ws.existingForms())
      if (form->holdsDesign()) forms.push_back(form);
    return forms;
  };
  const std::vector<const Form*> a = designForms(shown), b = designForms(expected);
  if (a.size() != b.size()) return "the number of design forms";
  for (size_t f = 0; f < a.size(); ++f) {
    if (a[f]->name() != b[f]->name()) return "form " + a[f]->name() + " for " + b[f]->name();
    if (a[f]->caption() != b[f]->caption() || a[f]->visible() != b[f]->visible())
      return a[f]->name() + ": caption or visibility";
    const std::vector<const Control*> ca = a[f]->allControls(), cb = b[f]->allControls();
    if (ca.size() != cb.size()) return a[f]->name() + ": the number of controls";
    for (size_t c = 0; c < ca.size(); ++c) {
      const std::string address = a[f]->name() + "." + ca[c]->address();
      if (ca[c]->address() != cb[c]->address()) return address + " for " + cb[c]->address();
      if (!(ca[c]->snapshot() == cb[c]->snapshot())) return address;
      const Picture* pa = ca[c]->pictureIfAny();
      const Picture* pb = cb[c]->pictureIfAny();
      if ((pa == nullptr) != (pb == nullptr) ||
          (pa && (pa->ops() != pb->ops() || pa->backColor() != pb->backColor() ||
                  pa->foreColor() != pb->foreColor())))
        return address + ": its picture";
    }
  }
  return {};
}

}  // namespace corvane::testing
