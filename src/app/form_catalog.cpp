#include "app/form_catalog.h"

#include "app/forms/about_form.h"
#include "app/forms/cover_form.h"
#include "app/forms/main_window_form.h"
#include "bobbin/frmbobbin.h"
#include "bom/frmbomlist.h"
#include "core/frmcore.h"
#include "electrical/frmeledata.h"
#include "model/command_names.h"
#include "model/workspace.h"
#include "operating/frmoperating.h"
#include "reports/manufacturing_sheet.h"
#include "search/frmsearch.h"
#include "spice/spice_export.h"
#include "winding/frmjiegou.h"
#include "wiretools/frmwiretools.h"

namespace corvane {

namespace {
// The form class F under its own name.
template <class F>
void registerForm(Workspace& workspace, FormRole role = FormRole::Design) {
  workspace.registerForm(
      F::kName, [](Workspace& ws) { return std::make_unique<F>(ws); }, role);
}
}  // namespace

void registerAllForms(Workspace& workspace) {
  // the program's own windows are no part of a design
  registerForm<MainWindowForm>(workspace, FormRole::Program);
  registerForm<CoverForm>(workspace, FormRole::Program);
  registerForm<AboutForm>(workspace, FormRole::Program);
  registerForm<Frmeledata>(workspace);
  registerForm<Frmcore>(workspace);
  registerForm<Frmbobbin>(workspace);
  registerForm<Frmjiegou>(workspace);
  registerForm<FrmWireTools>(workspace);
  // its opening reads the winding-structure form
  registerForm<FrmBomList>(workspace);
  // its figures are worked out from the design: not saved, gone with the design
  registerForm<FrmOperating>(workspace, FormRole::Derived);
  // the search runs the program's own forms on workspaces of its threads; its
  // results belong to the design they were found for, not to the saved design
  workspace.registerForm(
      FrmSearch::kName,
      [](Workspace& ws) { return std::make_unique<FrmSearch>(ws, registerAllForms); },
      FormRole::Program);

  // what the earlier forms run of the stages built on them
  workspace.registerCommand(commands::kPrintManufacturingSheet,
                            [&workspace] { printManufacturingSheet(workspace); });
  workspace.registerCommand(commands::kExportSpiceModel,
                            [&workspace] { spice::exportSpiceModel(workspace); });
}

}  // namespace corvane
