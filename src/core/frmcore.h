// The core form: steel material, power and densities, custom proportions and
// the electromagnetic parameter tool. This holds the entry fields with their
// design-time texts and the values copied from the electrical form at load.
#pragma once

#include "model/form.h"

namespace corvane {

class Frmcore : public Form {
 public:
  static constexpr const char* kName = "Frmcore";

  explicit Frmcore(Workspace& workspace);
  void load() override;

 private:
  void addMaterialFrame();
  void addPowerFrame();
  void addProportionFrame();
  void addParameterTool();
};

}  // namespace corvane
