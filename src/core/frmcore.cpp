#include "core/frmcore.h"

#include <array>

#include "model/control_init.h"
#include "model/workspace.h"

namespace corvane {

namespace {
constexpr const char* kCaption = "Peak Corvane专家系统 - 铁芯设计与选型";
constexpr const char* kElectricalForm = "Frmeledata";
constexpr int kTextHeight = 270;

struct MaterialColumn {
  const char* caption;
  const char* text;  // design-time text of the material field below it
  int left;
};
// caption, design-time value, left (twips inside the material frame)
constexpr std::array<MaterialColumn, 5> kMaterialColumns{{
    {"厚度mm", "0.5", 120},
    {"比重g/cm3", "7.65", 1200},
    {"铁损P1.5/50", "3.6", 2280},
    {"磁通密度(T)", "1.6", 3480},
    {"描述", "H12-0.5A", 4680},
}};

struct EntryColumn {
  const char* label;
  const char* caption;
  const char* field;
  const char* text;
  int left;
};
// label name, caption, field, design-time text, left (twips inside the power frame)
constexpr std::array<EntryColumn, 5> kPowerColumns{{
    {"Label3", "功率Po(W)", "txtpo", "100", 120},
    {"Label4", "频率F(Hz)", "TxtF", "50", 1200},
    {"Label5", "工作磁密Bm(T)", "TxtBm", "3", 2280},
    {"Label6", "电流密度J(A/mm)", "TxtJ", "5", 3480},
    {"Label7", "PRI       Sec", "txtjsec", "5", 4800},
}};
}  // namespace

Frmcore::Frmcore(Workspace& workspace) : Form(workspace, kName, kCaption) {
  setSize(13800, 7800);
  addMaterialFrame();
  addPowerFrame();
  addProportionFrame();
  addParameterTool();
}

void Frmcore::addMaterialFrame() {
  addControl("Frm1", ControlKind::Frame, captioned("选择矽钢片材质", {360, 960, 5895, 1695}));
  for (size_t i = 0; i < kMaterialColumns.size(); ++i) {
    const MaterialColumn& column = kMaterialColumns[i];
    ControlInit label = captioned(column.caption, {column.left, 840, 1095, 255}, "Frm1");
    ControlInit value = textField(column.text, {column.left, 1200, 1095, kTextHeight}, {}, "Frm1");
    if (i == 0) {
      addArray("Label2", ControlKind::Label, label);
      addArray("txtcoremt", ControlKind::TextBox, value);
    } else {
      array("Label2").load(static_cast<int>(i), label);
      array("txtcoremt").load(static_cast<int>(i), value);
    }
  }
}

void Frmcore::addPowerFrame() {
  addControl("Frame1", ControlKind::Frame, captioned("功率铁芯规格设计", {360, 2760, 5895, 1095}));
  for (const EntryColumn& column : kPowerColumns) {
    addControl(column.label, ControlKind::Label,
               captioned(column.caption, {column.left, 240, 1095, 255}, "Frame1"));
    addControl(column.field, ControlKind::TextBox,
               textField(column.text, {column.left, 600, 975, kTextHeight}, {}, "Frame1"));
  }
}

void Frmcore::addProportionFrame() {
  addControl("Frame3", ControlKind::Frame, captioned("自定义铁芯尺寸比", {3600, 3960, 2655, 1455}));
  addControl("Label8", ControlKind::Label, captioned("迭厚/舌宽", {120, 240, 1095, 255}, "Frame3"));
  addControl("TXTBA", ControlKind::TextBox,
             textField("1", {120, 540, 975, kTextHeight}, {}, "Frame3"));
  addControl("Label9", ControlKind::Label,
             captioned("窗高/窗宽", {1320, 240, 1095, 255}, "Frame3"));
  addControl("TXTHC", ControlKind::TextBox,
             textField("3", {1320, 540, 975, kTextHeight}, {}, "Frame3"));
}

void Frmcore::addParameterTool() {
  ControlInit frame = captioned("电磁参量确定工具", {11640, 4440, 1935, 2295});
  frame.visible = false;  // the menu "高级" shows it
  addControl("Fmr", ControlKind::Frame, frame);
  addControl("Label10", ControlKind::Label, captioned("允许温升", {120, 240, 855, 255}, "Fmr"));
  addControl("TXTTEMP", ControlKind::TextBox,
             textField("55", {960, 240, 855, kTextHeight}, {}, "Fmr"));
  addControl("Label11", ControlKind::Label, captioned("电压调整率", {120, 1440, 855, 255}, "Fmr"));
  addControl("TxtDU", ControlKind::TextBox,
             textField("", {960, 1440, 855, kTextHeight}, {}, "Fmr"));
}

// The allowed rise, the regulation and the output power come from the
// electrical form; reading them brings that form into being if needed.
void Frmcore::load() {
  Workspace& ws = workspace();
  control("TXTTEMP").setText(ws.field(kElectricalForm, "TXTTEMPD").text());
  control("TxtDU").setText(ws.field(kElectricalForm, "TXTLUD").text());
  control("txtpo").setText(ws.field(kElectricalForm, "txtpo").text());
}

}  // namespace corvane
