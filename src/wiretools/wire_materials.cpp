#include "wiretools/wire_materials.h"

#include <algorithm>

namespace corvane::wiretools {

const WireMaterial* findWireMaterial(std::string_view name) {
  auto it = std::find_if(kWireMaterials.begin(), kWireMaterials.end(),
                         [name](const WireMaterial& row) { return row.name == name; });
  return it == kWireMaterials.end() ? nullptr : &*it;
}

}  // namespace corvane::wiretools
