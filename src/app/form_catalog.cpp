#include "app/form_catalog.h"

#include "app/forms/about_form.h"
#include "app/forms/cover_form.h"
#include "app/forms/help_form.h"
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

void registerAllForms(Workspace& workspace, std::shared_ptr<CatalogueShelf> catalogues) {
  if (!catalogues) catalogues = std::make_shared<CatalogueShelf>();
  // the program's own windows are no part of a design
  workspace.registerForm<MainWindowForm>(FormRole::Program);
  workspace.registerForm<CoverForm>(FormRole::Program);
  workspace.registerForm<AboutForm>(FormRole::Program);
  workspace.registerForm<HelpForm>(FormRole::Program);
  workspace.registerForm<Frmeledata>();
  workspace.registerForm<Frmcore>();
  // the designs of one run share the bobbin catalogues already read
  workspace.registerForm(Frmbobbin::kName, [catalogues](Workspace& ws) {
    return std::make_unique<Frmbobbin>(ws, catalogues);
  });
  workspace.registerForm<Frmjiegou>();
  workspace.registerForm<FrmWireTools>();
  // its opening reads the winding-structure form
  workspace.registerForm<FrmBomList>();
  // its figures are worked out from the design: not saved, gone with the design
  workspace.registerForm<FrmOperating>(FormRole::Derived);
  // the search runs the program's own forms on workspaces of its threads, each
  // with catalogues of its own; its results belong to the design they were
  // found for, not to the saved design
  workspace.registerForm(
      FrmSearch::kName,
      [](Workspace& ws) { return std::make_unique<FrmSearch>(ws, registerFormsWithOwnCatalogues); },
      FormRole::Program);

  // what the earlier forms run of the stages built on them
  workspace.registerCommand(commands::kPrintManufacturingSheet,
                            [&workspace] { printManufacturingSheet(workspace); });
  workspace.registerCommand(commands::kExportSpiceModel,
                            [&workspace] { spice::exportSpiceModel(workspace); });
}

void registerFormsWithOwnCatalogues(Workspace& workspace) {
  registerAllForms(workspace);
}

}  // namespace corvane
