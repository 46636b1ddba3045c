// A form that can say why one of its result fields stands empty, in the
// designer's words, for the field's tip and the status bar. Worked out from
// the design as it stands when a view asks, so nothing of it is stored.
#pragma once

#include <string>
#include <vector>

namespace corvane {

class Control;

class EmptyFieldReasonSource {
 public:
  virtual ~EmptyFieldReasonSource() = default;
  // "" where the field is not empty or its emptiness needs no word.
  virtual std::string emptyFieldReason(const Control& field) const = 0;
  // Every reason the form can give, names and figures in it as samples:
  // the texts a translation has to give.
  virtual std::vector<std::string> everyEmptyFieldReason() const = 0;
};

// What `field`'s form says of it being empty; "" for a form that says nothing.
std::string emptyFieldReasonOf(const Control& field);

}  // namespace corvane
