#include "model/field_reading.h"

#include "model/control.h"
#include "model/value.h"

namespace corvane {

std::string readingNote(const Control& control) {
  if (control.kind() != ControlKind::TextBox) return "";
  if (control.content() == Control::Content::Text || control.content() == Control::Content::Words)
    return "";
  const std::string& text = control.text();
  if (text.find_first_not_of(" \t") == std::string::npos) return "";
  if (!startsWithNumber(text)) return "不以数字开头，读作 0";
  const double value = Val(text);
  if (value < 0 && control.content() == Control::Content::Quantity)
    return "此处不应为负数，读作 " + generalFormat(value);
  if (value < 0 && control.content() == Control::Content::RailQuantity)
    return "为负电源轨，按其绝对值 " + generalFormat(-value) + " 设计";
  return "";
}

}  // namespace corvane
