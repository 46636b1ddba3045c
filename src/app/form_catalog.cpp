#include "app/form_catalog.h"

#include "model/workspace.h"

namespace corvane {

void registerAllForms(Workspace& workspace) {
  (void)workspace;
  // each subsystem adds its forms here
}

}  // namespace corvane
