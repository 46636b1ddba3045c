#include "model/empty_field_reason.h"

#include "model/control.h"
#include "model/form.h"

namespace corvane {

std::string emptyFieldReasonOf(const Control& field) {
  const auto* source = dynamic_cast<const EmptyFieldReasonSource*>(&field.form());
  return source ? source->emptyFieldReason(field) : std::string();
}

}  // namespace corvane
