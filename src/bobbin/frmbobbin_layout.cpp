// Design-time controls of the bobbin form: names, kinds, captions, texts and
// positions in twips (inside a frame, from the frame's top-left corner).
#include "bobbin/bobbin_types.h"
#include "bobbin/bobbinform_fields.h"
#include "bobbin/frmbobbin.h"
#include "model/captioned_field.h"
#include "model/control_init.h"
#include "model/standard_keys.h"

namespace corvane {

namespace {

constexpr const char* kTypeFrame = bobbinform::Frame1;
constexpr const char* kSearchFrame = bobbinform::Frame2;
constexpr const char* kRecordFrame = bobbinform::Data1;
constexpr const char* kToolFrame = bobbinform::Fm;

// label, caption, field, design-time text, tip; top (twips in the type frame)
// clang-format off
constexpr ColumnRow kSlotFields[] = {
    {{bobbinform::Label4, "槽宽", bobbinform::TXTCK1, "", "槽宽：第一槽可绕线的宽度（mm）"}, 660},
    {{bobbinform::Label5, "槽厚", bobbinform::TXTCh, "", "槽厚：槽可绕线的深度（mm）"}, 1020},
    {{bobbinform::Label6, "底边", bobbinform::TXTld1, "", "底边：骨架底面的一边（mm）"}, 1380},
    {{bobbinform::Label7, "底周长", bobbinform::TXTLD, "", "底周长：骨架底面的周长（mm）"}, 1740},
    {{bobbinform::Label8, "窗口总面积", bobbinform::TXTBSW, "", "窗口总面积：骨架可绕线的面积（mm²）"}, 2100},
};
// clang-format on

// label, caption, field, design-time text, tip; top (twips in the tool frame)
// clang-format off
constexpr ColumnRow kToolFields[] = {
    {{bobbinform::Label20, "线径", bobbinform::TxtWire, "0.1", "线径：裸铜线直径（mm）"}, 300},
    {{bobbinform::Label21, "匝数", bobbinform::TxtTurn, "", "匝数（匝）"}, 630},
    {{bobbinform::Label22, "电流", bobbinform::TxtI, "", "电流（A）"}, 960},
    {{bobbinform::Label23, "电流密度", bobbinform::TxtJ, "", "电流密度（A/mm²）"}, 1290},
    {{bobbinform::Label24, "电压", bobbinform::TxtU, "", "电压（V）"}, 1950},
    {{bobbinform::Label25, "磁通密度", bobbinform::TxtB0, "", "磁通密度（T）"}, 2280},
    {{bobbinform::Label28, "输入电压", bobbinform::TxtUin, "", "输入电压（V）"}, 3930},
    {{bobbinform::Label29, "测试电压", bobbinform::TxtTstU, "", "测试绕组上测得的电压（V）"}, 4260},
    {{bobbinform::Label30, "已知匝数", bobbinform::TxtTstTu, "", "测试绕组的匝数（匝）"}, 4590},
    {{bobbinform::Label31, "未知匝数", bobbinform::TxtTun, "", "由测试电压推算的匝数（匝）"}, 4920},
};
// clang-format on

// the captions of the slot fields at 240, their fields at 1440; of the tool's at 120 and 1680
constexpr CaptionedColumn kSlotColumn{240, 1095, 1440, 855, 30};
constexpr CaptionedColumn kToolColumn{120, 1215, 1680, 1200, 30};

// One caption above its field.
struct StackedField {
  CaptionedField names;
  int left;
  int width;
};

// label, caption, field, design-time text, tip; left and width (twips in the search frame)
constexpr StackedField kSearchFields[] = {
    {{bobbinform::Label9, "规格EI", bobbinform::Text9, "", "要查找的叠片长度 L（mm）"}, 240, 735},
    {{bobbinform::Label10, "叠厚", bobbinform::Text10, "", "要查找的叠厚 b（mm）"}, 1080, 735},
    {{bobbinform::Label11, "BOBBIN 查找", bobbinform::Text8, "", "骨架型号查找，* 代表任意字符"},
     1920,
     1455},
};

// label, caption, field, design-time text, tip; caption left, field left, field width, top
// (twips in the record view)
// clang-format off
constexpr PlacedRow kRecordFields[] = {
    {{bobbinform::Label12, "供应商", bobbinform::Text7, "", "骨架供应商"}, 120, 840, 2055, 300},
    {{bobbinform::Label13, "名称", bobbinform::Text5, "", "骨架名称"}, 3000, 3600, 2775, 300},
    {{bobbinform::Label14, "型号", bobbinform::Text6, "", "骨架型号（料号）"}, 6480, 7080, 2655, 300},
    {{bobbinform::Label15, "A", bobbinform::Text1, "", "骨架尺寸 A（mm）"}, 120, 360, 855, 720},
    {{bobbinform::Label16, "B", bobbinform::Text2, "", "骨架尺寸 B（mm）"}, 1320, 1560, 855, 720},
    {{bobbinform::Label17, "C1", bobbinform::TxtBbC1, "", "骨架尺寸 C1（mm）"}, 2520, 2880, 855, 720},
    {{bobbinform::Label18, "C2", bobbinform::TxtBbC2, "", "骨架尺寸 C2（mm）"}, 3840, 4200, 855, 720},
    {{bobbinform::Label19, "D", bobbinform::Text4, "", "骨架尺寸 D（mm）"}, 5160, 5400, 855, 720},
    {{bobbinform::Label26, "F", bobbinform::Text3, "", "骨架尺寸 F（mm）"}, 6360, 6600, 855, 720},
};
// clang-format on

struct NavigationButton {
  const char* name;
  const char* caption;
  int left;
};

// button, caption, left (twips in the record view)
constexpr NavigationButton kNavigation[] = {
    {bobbinform::Data1First, "|<", 120},
    {bobbinform::Data1Prev, "<", 660},
    {bobbinform::Data1Next, ">", 1200},
    {bobbinform::Data1Last, ">|", 1740},
};

ControlInit hiddenWhenDesigned(ControlInit init) {
  init.visible = false;
  return init;
}

}  // namespace

void Frmbobbin::addControls() {
  setSize(13440, 7500);
  addControl(bobbinform::Label32, ControlKind::Label,
             captioned("铁芯", {240, 150, 615, layout::kLabelHeight}));
  addControl(bobbinform::txtbname, ControlKind::TextBox,
             textField("", {840, 120, 1455, layout::kTextHeight}, "铁芯名称：EI-长度L*叠厚b"));
  addControl(bobbinform::Label33, ControlKind::Label,
             captioned("骨架类型", {2520, 150, 855, layout::kLabelHeight}));
  addControl(bobbinform::TxtBTY, ControlKind::TextBox,
             textField("", {3360, 120, 1095, layout::kTextHeight}, "所选的骨架类型"));
  addTypeFrame();
  addSketch();
  addSearch();
  addRecordView();
  addWindingTool();
  addCommandsAndMenu();
}

void Frmbobbin::addTypeFrame() {
  addControl(kTypeFrame, ControlKind::Frame, captioned("骨架选型", {240, 480, 5535, 3015}));
  int left = 240;
  for (const bobbin::BobbinType& type : bobbin::kBobbinTypes) {
    ControlInit option =
        captioned(type.caption, {left, 300, 960, layout::kLabelHeight}, kTypeFrame);
    option.group = "type";
    addControl(type.option, ControlKind::OptionButton, option);
    left += 960;
  }
  for (const ColumnRow& row : kSlotFields) {
    addCaptionedField(row.names, kSlotColumn.at(row.top), kTypeFrame);
    // the second slot and the second base side sit beside the first
    if (row.names.field == std::string_view(bobbinform::TXTCK1))
      addControl(bobbinform::txtCK2, ControlKind::TextBox,
                 textField("", {2400, row.top, 855, layout::kTextHeight},
                           "槽宽：第二槽可绕线的宽度（mm）", kTypeFrame));
    if (row.names.field == std::string_view(bobbinform::TXTld1))
      addControl(bobbinform::TXTld2, ControlKind::TextBox,
                 textField("", {2400, row.top, 855, layout::kTextHeight},
                           "底边：骨架底面的另一边（mm）", kTypeFrame));
  }
  addControl(bobbinform::Label34, ControlKind::Label,
             captioned("骨架功率", {240, 2490, 1095, layout::kLabelHeight}, kTypeFrame));
  addControl(bobbinform::lblbpw, ControlKind::Label,
             captioned("0.0W", {1440, 2490, 1335, layout::kLabelHeight}, kTypeFrame));

  addControl(bobbinform::Label35, ControlKind::Label,
             captioned("胶带宽度", {3480, 690, 1935, layout::kLabelHeight}, kTypeFrame));
  addControl(bobbinform::TxtTapeW, ControlKind::TextBox,
             textField("", {3480, 960, 855, layout::kTextHeight}, "胶带宽度（mm）", kTypeFrame));
  addControl(bobbinform::Label36, ControlKind::Label,
             captioned("快把纸规格", {3480, 1410, 1935, layout::kLabelHeight}, kTypeFrame));
  addControl(bobbinform::TxtKB, ControlKind::TextBox,
             textField("", {3480, 1680, 1935, layout::kTextHeight}, "快巴纸规格：厚*宽*长（mm）",
                       kTypeFrame));
  addControl(bobbinform::TxtKB1, ControlKind::TextBox,
             textField("", {3480, 2040, 1935, layout::kTextHeight},
                       "第二种快巴纸规格：厚*宽*长（mm）", kTypeFrame));
}

// The bobbin seen from the side, with its dimensions written around it.
void Frmbobbin::addSketch() {
  addControl(bobbinform::Picture1, ControlKind::PictureBox, captioned("", {6000, 840, 3000, 2160}));
  addArray(bobbinform::Label1, ControlKind::Label,
           captioned("", {6000, 540, 3000, layout::kLabelHeight}), 1);
  addArray(bobbinform::Label2, ControlKind::Label,
           captioned("", {9060, 1800, 1140, layout::kLabelHeight}), 1);
  addArray(bobbinform::Label3, ControlKind::Label,
           captioned("", {6000, 3060, 3000, layout::kLabelHeight}), 1);
}

void Frmbobbin::addSearch() {
  addControl(kSearchFrame, ControlKind::Frame, captioned("骨架查找", {240, 3600, 5535, 1095}));
  for (const StackedField& column : kSearchFields)
    addCaptionedField(column.names, aboveField(column.left, 300, column.width, 600, column.width),
                      kSearchFrame);
  addControl(bobbinform::Label27, ControlKind::Label,
             captioned("骨架商", {3480, 300, 1935, layout::kLabelHeight}, kSearchFrame));
  ControlInit supplier =
      textField("", {3480, 585, 1935, 300}, "骨架目录：随程序提供的或另选的", kSearchFrame);
  supplier.items = {kShippedCatalogueItem, kOtherCatalogueItem};
  supplier.listIndex = 0;  // the shipped catalogue answers until another is chosen
  addControl(bobbinform::Combo1, ControlKind::ComboBox, supplier);
}

void Frmbobbin::addRecordView() {
  addControl(kRecordFrame, ControlKind::Frame,
             captioned("系统推荐最佳骨架商", {240, 4800, 9900, 1695}));
  for (const PlacedRow& column : kRecordFields) {
    const CaptionedPlace at = column.at(60, 30);
    addControl(column.names.label, ControlKind::Label, captionOf(column.names, at, kRecordFrame));
    ControlInit field = fieldOf(column.names, at, kRecordFrame);
    field.locked = true;  // catalogue data: shown, not edited
    addControl(column.names.field, ControlKind::TextBox, field);
  }
  for (const NavigationButton& button : kNavigation)
    addControl(button.name, ControlKind::CommandButton,
               captioned(button.caption, {button.left, 1200, 495, 315}, kRecordFrame));
  addControl(
      bobbinform::Data1Pos, ControlKind::Label,
      captioned(records_.positionText(), {2400, 1230, 1455, layout::kLabelHeight}, kRecordFrame));
}

void Frmbobbin::addWindingTool() {
  addControl(kToolFrame, ControlKind::Frame,
             hiddenWhenDesigned(captioned("高级应用", {10260, 480, 3000, 5700})));
  addCaptionedColumn(kToolFields, kToolColumn, kToolFrame);
  ControlInit hz50 = captioned("50Hz", {120, 1650, 735, layout::kLabelHeight}, kToolFrame);
  hz50.group = "frequency";
  addControl(bobbinform::Option2, ControlKind::OptionButton, hz50);
  ControlInit hz60 = captioned("60Hz", {840, 1650, 780, layout::kLabelHeight}, kToolFrame);
  hz60.group = "frequency";
  addControl(bobbinform::Option3, ControlKind::OptionButton, hz60);
  addControl(bobbinform::TxtF, ControlKind::TextBox,
             textField("", {1680, 1620, 1200, layout::kTextHeight}, "频率（Hz）", kToolFrame));

  addControl(bobbinform::Label37, ControlKind::Label,
             captioned("槽满率%", {120, 2640, 1215, layout::kLabelHeight}, kToolFrame));
  // slot fill ratio in %: 40 is the usual window utilisation of round-wire windings
  ControlInit slider = captioned("", {120, 2910, 1980, 300}, kToolFrame);
  slider.text = "40";
  slider.minimum = 0;
  slider.maximum = 100;
  addControl(bobbinform::Sl, ControlKind::Slider, slider);
  addControl(bobbinform::TxtMcl, ControlKind::TextBox,
             textField("", {2220, 2910, 660, layout::kTextHeight}, "槽满率（%）", kToolFrame));
  addControl(bobbinform::Label38, ControlKind::Label,
             captioned("最佳适应电流密度", {120, 3270, 2760, layout::kLabelHeight}, kToolFrame));
  addControl(bobbinform::Command1, ControlKind::CommandButton,
             captioned("槽满率", {120, 3540, 1215, 315}, kToolFrame));
  addControl(bobbinform::TxtBestJ, ControlKind::TextBox,
             textField("", {1680, 3555, 1200, layout::kTextHeight}, "最佳适应电流密度（A/mm²）",
                       kToolFrame));
  addControl(bobbinform::Command2, ControlKind::CommandButton,
             captioned("应用", {120, 5280, 1215, 315}, kToolFrame));
  addControl(bobbinform::Command4, ControlKind::CommandButton,
             captioned("退出", {1680, 5280, 1200, 315}, kToolFrame));
}

void Frmbobbin::addCommandsAndMenu() {
  addControl(bobbinform::cmdele, ControlKind::CommandButton,
             captioned("变压器参数", {8040, 3840, 2100, 495}));
  // the form's status line: which catalogue answers, or why none could be read
  addControl(bobbinform::LblStatus, ControlKind::Label,
             captioned("", {240, 6720, 13020, layout::kLabelHeight}));

  addControl(bobbinform::FILe, ControlKind::MenuItem, menuItem("文件"));
  addControl(bobbinform::PRINT, ControlKind::MenuItem,
             menuItem("打印", bobbinform::FILe, keys::kPrint));
  addControl(bobbinform::OVER, ControlKind::MenuItem, menuItem("关闭", bobbinform::FILe));
  addControl(bobbinform::GJ, ControlKind::MenuItem, menuItem("高级"));
}

}  // namespace corvane
