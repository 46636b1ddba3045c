// A field sink that keeps what a calculation wrote: every write in order, and
// the last text of each field.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "model/field_sink.h"

namespace corvane::testing {

class RecordingSink : public FieldSink {
 public:
  void write(const char* field, const std::string& text) override {
    writes.emplace_back(field, text);
    last[field] = text;
  }
  std::vector<std::string> order() const {
    std::vector<std::string> names;
    for (const auto& w : writes) names.push_back(w.first);
    return names;
  }
  std::vector<std::pair<std::string, std::string>> writes;
  std::map<std::string, std::string> last;
};

}  // namespace corvane::testing
