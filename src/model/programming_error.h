// A fault in the program itself, never in the design: a form asked for a
// control or control array it does not have, or a workspace for a form it
// does not know. Unlike the recalculation abort it is not swallowed by the
// event boundary: it reaches the script driver (an ERROR line) and the desktop
// program (a message box), and fails the test that meets it.
#pragma once

#include <stdexcept>
#include <string>

namespace corvane {

class ProgrammingError : public std::logic_error {
 public:
  explicit ProgrammingError(const std::string& what) : std::logic_error(what) {}
};

}  // namespace corvane
