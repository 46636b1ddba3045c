#include "app/form_catalog.h"

#include "app/forms/about_form.h"
#include "app/forms/cover_form.h"
#include "app/forms/main_window_form.h"
#include "bobbin/frmbobbin.h"
#include "bom/frmbomlist.h"
#include "core/frmcore.h"
#include "electrical/frmeledata.h"
#include "model/workspace.h"
#include "winding/frmjiegou.h"
#include "wiretools/frmwiretools.h"

namespace corvane {

void registerAllForms(Workspace& workspace) {
  // the program's own windows are no part of a design
  workspace.registerForm(
      MainWindowForm::kName, [](Workspace& ws) { return std::make_unique<MainWindowForm>(ws); },
      FormRole::Program);
  workspace.registerForm(
      CoverForm::kName, [](Workspace& ws) { return std::make_unique<CoverForm>(ws); },
      FormRole::Program);
  workspace.registerForm(
      AboutForm::kName, [](Workspace& ws) { return std::make_unique<AboutForm>(ws); },
      FormRole::Program);
  workspace.registerForm(Frmeledata::kName,
                         [](Workspace& ws) { return std::make_unique<Frmeledata>(ws); });
  workspace.registerForm(Frmcore::kName,
                         [](Workspace& ws) { return std::make_unique<Frmcore>(ws); });
  workspace.registerForm(Frmbobbin::kName,
                         [](Workspace& ws) { return std::make_unique<Frmbobbin>(ws); });
  workspace.registerForm(Frmjiegou::kName,
                         [](Workspace& ws) { return std::make_unique<Frmjiegou>(ws); });
  workspace.registerForm(FrmWireTools::kName,
                         [](Workspace& ws) { return std::make_unique<FrmWireTools>(ws); });
  // its opening reads the winding-structure form
  workspace.registerForm(FrmBomList::kName,
                         [](Workspace& ws) { return std::make_unique<FrmBomList>(ws); });
}

}  // namespace corvane
