// Stand-ins for the forms the reports and the cost form read: the core and
// bobbin forms holding the fields a finished core and bobbin leave (an EI48
// core, stack 30), and the winding-structure form "Frmjiegou" holding the
// winding table, its summary fields and its two pictures, with the typical
// design of a 220 V primary and a 12 V / 2 A bridge output filled in. The
// structure stand-in's "打印" prints the manufacturing sheet and its
// "材料清单" shows the cost form, as the real form's commands will.
#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/frmcore.h"
#include "model/control_init.h"
#include "model/form.h"
#include "model/picture.h"
#include "model/workspace.h"
#include "reports/manufacturing_sheet.h"
#include "stand_in_form.h"
#include "winding/frmjiegou.h"
#include "winding/outline_drawing.h"
#include "winding/run_rises.h"

namespace corvane::testing {

class CoreStandIn : public StandInForm {
 public:
  explicit CoreStandIn(Workspace& workspace) : StandInForm(workspace, "Frmcore", "core") {
    addTextFields({
        {"TXTL", "48"},
        {"TXTw", "40"},
        {"TxtB", "30"},
        {"txth", "24"},
        {"txtc", "8"},
        {"TXTa", "16"},
        {"TxtF", "50"},
        {"TxtBm", "1.5"},
        {"TxtJ", "5"},
        {"txtjsec", "5"},
        {"txtwe", "345.6g"},
        {"txtpc", "2.07W"},
        {"txtcname", "EI-48*30"},
        {"TXTSC", "4"},
        {"TxtTurnPri", ""},
        {"txtautocore", ""},
    });
    addTextArray("txtcoremt", {"0.5", "7.65", "3.6", "1.6", "H12-0.5A"});
  }
};

class BobbinStandIn : public StandInForm {
 public:
  explicit BobbinStandIn(Workspace& workspace) : StandInForm(workspace, "Frmbobbin", "bobbin") {
    addTextFields({
        {"TxtBTY", "抽屉型"},
        {"Text6", "CT-48-30"},
        {"Text7", "标准骨架"},
        {"TxtTapeW", "20"},
        {"TxtKB", "0.25*20*100mm"},
        {"TxtKB1", "0.25*10*100mm"},
        {"txtbname", "EI-48*30"},
    });
  }
};

// One winding row's texts, by the winding table's field names.
using WindingRowTexts = std::map<std::string, std::string>;

// The primary and the 12 V secondary of the typical design.
inline const std::vector<WindingRowTexts>& typicalWindingRows() {
  static const std::vector<WindingRowTexts> rows{
      {{"TXTTURN", "1180"},
       {"TXTWIRE", "0.25"},
       {"TXTLN", "95"},
       {"TXTL", "13"},
       {"TXTHT", "3.9"},
       {"txtlt", "98.5"},
       {"TXTCUWEIGH", "51.332"},
       {"TXTDCR20", "41300.5"},
       {"TXTDCRHOT", "48530.1"},
       {"TXTUD", "8.88"},
       {"TXTULOADE", "211.12"},
       {"TXTPCU", "1.625"}},
      {{"TXTTURN", "75"},
       {"TXTWIRE", "0.8"},
       {"TXTLN", "23"},
       {"TXTL", "4"},
       {"TXTHT", "3.8"},
       {"txtlt", "124.3"},
       {"TXTCUWEIGH", "15.105"},
       {"TXTDCR20", "316.2"},
       {"TXTDCRHOT", "371.5"},
       {"TXTUD", "1.23"},
       {"TXTULOADE", "12.9"},
       {"TxtUnV", "14.88"},
       {"TXTPCU", "4.046"},
       {"txtlud", "5.74"},
       {"CMBLINK", "12.45"},
       {"TxtDU", "13.3"}},
  };
  return rows;
}

class StructureStandIn : public StandInForm, public winding::RunRiseSource {
 public:
  static constexpr const char* kName = "Frmjiegou";
  static constexpr const char* kRowArrays[] = {
      "TXTWN",     "CmBleadtype", "CMBCLR", "CMBLINK", "TXTTURN", "CMBTYPE",    "TXTWIRE",
      "TXTQ",      "TXTLN",       "TXTL",   "TXTHT",   "txtlt",   "TXTCUWEIGH", "TXTDCR20",
      "TXTDCRHOT", "TXTULOADE",   "TXTUD",  "TxtUnV",  "TXTPCU",  "txtlud",     "TxtDU"};

  // `typical`: fill rows 0 and 1 and the summary with the typical design
  StructureStandIn(Workspace& workspace, bool typical = true)
      : StandInForm(workspace, kName, "Peak Corvane专家系统 - 基本结构设计与性能仿真"),
        typical_(typical) {
    for (const char* name : kRowArrays) {
      ControlKind kind = isList(name) ? ControlKind::ComboBox : ControlKind::TextBox;
      ControlInit init = textField(name == std::string("TXTQ") ? "1" : "", {});
      init.listOnly = false;
      addArray(name, kind, init);
    }
    addTextFields({
        {"Txtzb", ""},
        {"txtpcuz", ""},
        {"TXTPCZ", "2.07W"},
        {"txtpLOST", ""},
        {"TxtTapeLeng", ""},
        {"TxtCuWt", ""},
        {"TxtI0", ""},
        {"TXTTEMP", ""},
        {"Tp2", ""},
        {"TxtBm", "1.5"},
        {"TxtB", ""},
        {"TxtJ", "5"},
        {"TxtJs", "5"},
    });
    ControlInit layers = textField("3", {});
    layers.items = {"1", "2", "3", "4", "5", "6"};
    layers.listIndex = 2;
    addControl("CmbTapeL", ControlKind::ComboBox, layers);
    addControl("Picture1", ControlKind::PictureBox, captioned("", {0, 0, 6000, 3600}));
    addControl("Img", ControlKind::PictureBox, captioned("", {0, 0, 5700, 3600}));
    addControl("Pr", ControlKind::CommandButton, captioned("打印", {}));
    addControl("Command4", ControlKind::CommandButton, captioned("材料清单", {}));
    on(EventKind::Click, "Pr",
       [this](Control&, const EventArgs&) { printManufacturingSheet(this->workspace()); });
    on(EventKind::Click, "Command4",
       [this](Control&, const EventArgs&) { this->workspace().form("FrmBomList").show(); });
  }

  void load() override {
    Form& electrical = workspace().form("Frmeledata");
    int primaries = electrical.control("Chkp").value() == 1 ? 2 : 1;
    resize(static_cast<int>(electrical.control("txtzb").num()) + primaries);
    Form& core = workspace().form("Frmcore");
    drawTransformerOutline(control("Img").picture(), core.control("TXTL").num(),
                           core.control("TXTw").num(), core.control("TxtB").num());
    drawCrossSection();
    if (!typical_) return;
    for (size_t i = 0; i < typicalWindingRows().size() && i <= rows(); ++i)
      setRow(static_cast<int>(i), typicalWindingRows()[i]);
    const char* summary[][2] = {{"TxtI0", "0.0456"},  {"TXTTEMP", "38.2℃"},
                                {"Tp2", "54.0℃"},     {"TxtTapeLeng", "668.4"},
                                {"txtpcuz", "5.671"}, {"TxtCuWt", "0.066"}};
    for (const auto& field : summary) control(field[0]).setText(field[1]);
    rises = {"38.2℃", "54.0℃", ""};  // a load run made, no no-load run
  }

  winding::RunRises lastRunRises() const override { return rises; }
  winding::RunRises rises;

  size_t rows() const { return static_cast<size_t>(control("Txtzb").num()); }

  // Rows 0..highest, labelled N1, N2, ..., with the table's lists.
  void resize(int highest) {
    control("Txtzb").setText(std::to_string(highest));
    for (int i = 0; i <= highest; ++i)
      for (const char* name : kRowArrays) {
        ControlArray& column = array(name);
        if (!column.has(i)) column.load(i, column.element(0).snapshot());
      }
    for (int i = 0; i <= highest; ++i) {
      control("TXTWN", i).setText("N" + std::to_string(i + 1));
      fillList("CmBleadtype", i, {"UL1015", "UL1007", "UL1675"});
      fillList("CMBCLR", i,
               {"红/红", "蓝/蓝", "黄/黄", "绿/绿", "黑/黑", "白/白", "紫/紫", "棕/棕"});
      fillList(
          "CMBTYPE", i,
          {"2UEW", "1UEW", "1PEW", "2PEW", "1EIW", "2EIW", "Triple", "LITZ", "USTC", "Cu.Foil"});
    }
  }

  void setRow(int row, const WindingRowTexts& texts) {
    for (const auto& [name, text] : texts) control(name, row).setText(text);
  }

 private:
  static bool isList(const std::string& name) {
    return name == "CmBleadtype" || name == "CMBCLR" || name == "CMBTYPE" || name == "CMBLINK";
  }
  void fillList(const char* name, int row, std::vector<std::string> items) {
    Control& list = control(name, row);
    if (!list.items().empty()) return;
    list.setItems(std::move(items));
    list.setListIndex(0);
  }
  // a plain sketch standing in for the structure drawing
  void drawCrossSection() {
    Picture& picture = control("Picture1").picture();
    picture.setScale(0, 0, 100, 60);
    picture.filledBox(10, 10, 90, 50, {255, 224, 192});
    picture.line(10, 30, 90, 30, colors::kBlack);
    picture.text(12, 12, "N1", colors::kBlue);
    picture.text(12, 32, "N2", colors::kBlue);
  }

  bool typical_;
};

// Registers the electrical form's stand-in partners and the structure form
// on a workspace that already knows the electrical form.
inline void registerDesignStandIns(Workspace& workspace, bool typical = true) {
  workspace.registerForm("Frmcore", [](Workspace& w) { return std::make_unique<CoreStandIn>(w); });
  workspace.registerForm("Frmbobbin",
                         [](Workspace& w) { return std::make_unique<BobbinStandIn>(w); });
  workspace.registerForm(StructureStandIn::kName, [typical](Workspace& w) {
    return std::make_unique<StructureStandIn>(w, typical);
  });
  // the fields the electrical form reaches in the later forms
  workspace.registerFieldLinks("Frmcore", Frmcore::kLinkedFields);
  workspace.registerFieldLinks(StructureStandIn::kName, Frmjiegou::kLinkedFields);
}

}  // namespace corvane::testing
