// The typical design (220 V in, 12 V / 2 A out of a silicon bridge with a
// reservoir capacitor) written as the files a designer saves: the electrical
// design file alone, and the whole design priced, with an EI48 × 30 core of
// 50H800, a one-slot bobbin, the structure form and the cost form open.
#pragma once

#include <sstream>
#include <string>

#include "app/script/script_runner.h"
#include "support/test_files.h"

namespace corvane::testing {

struct TypicalDesigns {
  explicit TypicalDesigns(const TestFolder& folder)
      : electrical(folder.file("typical.CVN")), priced(folder.file("typical.cvd")) {
    std::istringstream script(
        "today 2026-12-09\n"
        "click MDIForm1.NEW\n"
        "set Frmeledata.TXTUIN1 220\n"
        "set Frmeledata.txtudc(0) 12\n"
        "enter Frmeledata.txtudc(0)\n"
        "set Frmeledata.txtidc(0) 2\n"
        "enter Frmeledata.txtidc(0)\n"
        "choose Frmeledata.CMBZL(0) 全桥电容\n"
        "choose Frmeledata.cmbdio(0) 硅管\n"
        "file " +
        electrical +
        "\n"
        "click Frmeledata.SAVE\n"
        "click Frmeledata.cmdcore\n"
        "choose Frmcore.Cmbnew 50H800\n"
        "set Frmcore.txtautocore 47\n"
        "set Frmcore.TxtB 30\n"
        "enter Frmcore.TxtB\n"
        "click Frmcore.CMDBB\n"
        "click Frmbobbin.OPTG\n"
        "click Frmbobbin.cmdele\n"
        "click Frmeledata.CMDJIEDOU\n"
        "click Frmjiegou.Command4\n"
        "set FrmBomList.TxtCorePrice 30\n"
        "click FrmBomList.Command12\n"
        "click FrmBomList.Command13\n"
        "file " +
        priced +
        "\n"
        "click MDIForm1.SAVEAS\n");
    std::ostringstream out;
    status = runScript(script, out);
  }
  std::string electrical;
  std::string priced;
  int status = -1;
};

}  // namespace corvane::testing
