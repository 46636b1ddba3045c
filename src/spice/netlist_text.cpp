#include "spice/netlist_text.h"

#include <cmath>

#include "model/programming_error.h"
#include "model/utf8.h"
#include "model/value.h"

namespace corvane::spice {

namespace {
constexpr char32_t kFirstPrintable = 0x20;
constexpr char32_t kDelete = 0x7F;
constexpr char32_t kLastC1Control = 0x9F;
}  // namespace

std::string commentSafe(std::string_view text) {
  std::string safe;
  for (char32_t c : utf8::decode(text))
    safe += c < kFirstPrintable || (c >= kDelete && c <= kLastC1Control) ? std::string(" ")
                                                                         : utf8::encode(c);
  return safe;
}

void NetlistText::comment(std::string_view text) {
  text_ += "* " + commentSafe(text) + "\n";
}

void NetlistText::blank() {
  text_ += "\n";
}

void NetlistText::line(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) < kFirstPrintable || static_cast<unsigned char>(c) >= kDelete)
      throw ProgrammingError("a netlist line holds a character beyond printable ASCII: " +
                             std::string(text));
  text_.append(text);
  text_ += "\n";
}

std::string NetlistText::number(double value) {
  if (!std::isfinite(value)) {
    spoiled_ = true;
    return "0";
  }
  return generalFormat(value);
}

Outcome<std::string> NetlistText::text() const {
  if (spoiled_) return Failure{kValueOutOfRange};
  return text_;
}

}  // namespace corvane::spice
