// Where a calculation writes its results, one field text at a time and in
// the order it computes them: a form writes them into its controls (running
// their change reactions), a test records them. A calculation that stops on
// an arithmetic error has written what it computed before the error, exactly
// as a form writing its cells one by one would have.
#pragma once

#include <string>

namespace corvane {

class FieldSink {
 public:
  virtual ~FieldSink() = default;
  virtual void write(const char* field, const std::string& text) = 0;
};

}  // namespace corvane
