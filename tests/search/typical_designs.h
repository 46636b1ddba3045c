// The typical design (support/typical_design.h) written as the files a
// designer saves: the electrical design file alone, and the whole design
// priced, with the structure form and the cost form open.
#pragma once

#include <sstream>
#include <string>

#include "app/script/script_runner.h"
#include "support/test_files.h"
#include "support/typical_design.h"

namespace corvane::testing {

struct TypicalDesigns {
  explicit TypicalDesigns(const TestFolder& folder)
      : electrical(folder.file("typical.CVN")), priced(folder.file("typical.cvd")) {
    ScriptDesigner designer;
    designer.lines = {"today 2026-12-09", "click MDIForm1.NEW"};
    typeTypicalRequirements(designer);
    designer.lines.push_back("file " + electrical);
    designer.click("Frmeledata", "SAVE");
    chooseTypicalCore(designer);
    takeOneSlotBobbinToStructure(designer);
    designer.click("Frmjiegou", "Command4");
    designer.set("FrmBomList", "TxtCorePrice", "30");
    designer.click("FrmBomList", "Command12");
    designer.click("FrmBomList", "Command13");
    designer.lines.push_back("file " + priced);
    designer.click("MDIForm1", "SAVEAS");
    std::string lines;
    for (const std::string& line : designer.lines) lines += line + "\n";
    std::istringstream script(lines);
    std::ostringstream out;
    status = runScript(script, out);
  }
  std::string electrical;
  std::string priced;
  int status = -1;
};

}  // namespace corvane::testing
