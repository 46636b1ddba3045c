// The text of a netlist as it is written: netlist lines in plain ASCII, so
// every simulator reads them, comments in UTF-8 (labels and Chinese texts go
// there only), one line each, LF line ends. A value that is not a finite
// number never reaches the text: the first one spoils the whole netlist,
// which then has no text but the reason.
#pragma once

#include <string>
#include <string_view>

#include "model/outcome.h"

namespace corvane::spice {

// Why a netlist has no text: a value is beyond what a double holds.
inline constexpr const char* kValueOutOfRange = "模型的数值超出范围";

class NetlistText {
 public:
  // "* " and the text, with line breaks and other control characters as
  // blanks and malformed UTF-8 as U+FFFD, so the comment stays one line.
  void comment(std::string_view text);
  void blank();
  // A netlist line; anything but printable ASCII in it is a programming error.
  void line(std::string_view text);
  // The shortest text of the value at 15 significant digits ("1E-12" for
  // small values), or "0" with the netlist spoiled when it is not finite.
  std::string number(double value);

  // The netlist, or the reason a value spoiled it.
  Outcome<std::string> text() const;

 private:
  std::string text_;
  bool spoiled_ = false;
};

// The text made fit for a comment line, as `comment` writes it.
std::string commentSafe(std::string_view text);

}  // namespace corvane::spice
