#include "spice/rectifier_wiring.h"

namespace corvane::spice {

const RectifierWiring* findRectifierWiring(std::string_view circuit) {
  for (const RectifierWiring& wiring : kRectifierWirings)
    if (wiring.circuit == circuit) return &wiring;
  return nullptr;
}

}  // namespace corvane::spice
