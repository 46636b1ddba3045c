// What both netlist files are written from: the transformer's description,
// its model and the names the files use, and the netlist text being written.
#pragma once

#include <string>

#include "spice/netlist_text.h"
#include "spice/transformer_description.h"
#include "spice/transformer_library.h"
#include "spice/transformer_model.h"

namespace corvane::spice {

class NetlistWriter {
 public:
  NetlistWriter(const TransformerDescription& d, const TransformerModel& m,
                const NetlistNames& names)
      : d_(d), m_(m), names_(names) {}

 protected:
  std::string num(double value) { return out_.number(value); }

  const TransformerDescription& d_;
  const TransformerModel& m_;
  const NetlistNames& names_;
  NetlistText out_;
};

}  // namespace corvane::spice
