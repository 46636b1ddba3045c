// The winding table's columns as data: the control array of each column, its
// header, its place in row 0 (twips), whether the designer may type into it at
// design time, its colours and design-time text; the row pitch; and the items
// of the choice columns and of the tape-layer list.
#pragma once

#include <array>
#include <string_view>

#include "model/color.h"
#include "winding/jiegou_fields.h"

namespace corvane::winding {

enum class CellKind {
  Text,     // a text box
  List,     // a drop-down list of fixed items
  Display,  // a drop-down without items that only shows a value (CMBLINK)
};

struct WindingColumn {
  const char* name;
  const char* header;  // "" when the header of the column to the left spans it
  int headerSpan;      // columns the header covers (2: "直流负载电压  调整率")
  int left;            // twips, row 0
  int width;           // twips
  CellKind kind;
  bool enabled;  // at design time; TXTTURN, TXTWIRE, TXTQ are unlocked from their headers
  Rgb back;
  bool blueText;
  const char* text;  // design-time text
};

namespace colour {
inline constexpr Rgb kLabel{255, 255, 128};      // light yellow: the winding label
inline constexpr Rgb kLoadVolts{255, 224, 192};  // light orange: the load voltage
inline constexpr Rgb kCell{224, 224, 224};       // light grey: every other text column
inline constexpr Rgb kList = colors::kWindow;
}  // namespace colour

// name, header, header span, left, width, kind, enabled, background, blue text, text
// clang-format off
inline constexpr std::array<WindingColumn, 21> kWindingColumns{{
    {jiegou::TXTWN,       "组别",     1, 0,     495,  CellKind::Text,    true,  colour::kLabel,     false, "N1"},
    {jiegou::CmBleadtype, "引出线型号", 1, 480,   855,  CellKind::List,    true,  colour::kList,      false, ""},
    {jiegou::CMBCLR,      "S/F颜色",  1, 1320,  735,  CellKind::List,    true,  colour::kList,      false, ""},
    {jiegou::CMBTYPE,     "绕组线型",  1, 2040,  975,  CellKind::List,    true,  colour::kList,      false, ""},
    {jiegou::TXTTURN,     "圈数Ts",   1, 3120,  855,  CellKind::Text,    false, colour::kCell,      true,  ""},
    {jiegou::TXTWIRE,     "线径mm",   1, 3960,  735,  CellKind::Text,    false, colour::kCell,      true,  ""},
    {jiegou::TXTQ,        "股数P",    1, 4680,  495,  CellKind::Text,    false, colour::kCell,      true,  "1"},
    {jiegou::TXTLN,       "层匝Ts",   1, 5160,  615,  CellKind::Text,    false, colour::kCell,      true,  ""},
    {jiegou::TXTL,        "层数",     1, 5760,  495,  CellKind::Text,    false, colour::kCell,      true,  ""},
    {jiegou::TXTHT,       "厚度mm",   1, 6240,  615,  CellKind::Text,    false, colour::kCell,      true,  ""},
    {jiegou::txtlt,       "匝长mm",   1, 6840,  615,  CellKind::Text,    false, colour::kCell,      true,  ""},
    {jiegou::TXTCUWEIGH,  "铜重g",    1, 7440,  735,  CellKind::Text,    true,  colour::kCell,      true,  ""},
    {jiegou::TXTDCR20,    "冷阻(mΩ)", 1, 8160,  855,  CellKind::Text,    true,  colour::kCell,      true,  ""},
    {jiegou::TXTDCRHOT,   "热阻(mΩ)", 1, 9000,  855,  CellKind::Text,    false, colour::kCell,      true,  ""},
    {jiegou::TXTUD,       "压降V",    1, 9840,  615,  CellKind::Text,    false, colour::kCell,      true,  ""},
    {jiegou::TXTULOADE,   "稳态电压V", 1, 10440, 735,  CellKind::Text,    false, colour::kLoadVolts, true,  ""},
    {jiegou::TxtUnV,      "空载电压V", 1, 11160, 855,  CellKind::Text,    true,  colour::kCell,      true,  ""},
    {jiegou::TXTPCU,      "铜损W",    1, 12000, 735,  CellKind::Text,    false, colour::kCell,      true,  ""},
    {jiegou::txtlud,      "△U%",     1, 12720, 735,  CellKind::Text,    true,  colour::kCell,      true,  ""},
    {jiegou::CMBLINK,     "直流负载电压  调整率", 2, 13440, 1215, CellKind::Display, true, colour::kList, false, ""},
    {jiegou::TxtDU,       "",         0, 14640, 615,  CellKind::Text,    true,  colour::kCell,      true,  ""},
}};
// clang-format on

// The order in which a new row's elements are created, one per column array.
inline constexpr std::array<const char*, 21> kRowCreationOrder{
    jiegou::TXTWN,     jiegou::CmBleadtype, jiegou::CMBCLR,     jiegou::CMBLINK,  jiegou::TXTTURN,
    jiegou::CMBTYPE,   jiegou::TXTWIRE,     jiegou::TXTQ,       jiegou::TXTLN,    jiegou::TXTL,
    jiegou::TXTHT,     jiegou::txtlt,       jiegou::TXTCUWEIGH, jiegou::TXTDCR20, jiegou::TXTDCRHOT,
    jiegou::TXTULOADE, jiegou::TXTUD,       jiegou::TxtUnV,     jiegou::TXTPCU,   jiegou::txtlud,
    jiegou::TxtDU};

// Row 0 of the table (twips from the form's top) and the 5 mm pitch of the
// rows below it, in the form's millimetre scale.
inline constexpr int kRowZeroTop = 1680;
inline constexpr int kRowPitch = 283;

// Winding wire types, in the list's order.
inline constexpr std::array<std::string_view, 10> kWireTypes{
    "2UEW", "1UEW", "1PEW", "2PEW", "1EIW", "2EIW", "Triple", "LITZ", "USTC", "Cu.Foil"};
// Lead-wire types.
inline constexpr std::array<std::string_view, 3> kLeadTypes{"UL1015", "UL1007", "UL1675"};
// Lead colours, start/finish.
inline constexpr std::array<std::string_view, 8> kLeadColours{"红/红", "蓝/蓝", "黄/黄", "绿/绿",
                                                              "黑/黑", "白/白", "紫/紫", "棕/棕"};
// Insulation-tape layers per winding, and the count chosen at design time.
inline constexpr std::array<std::string_view, 6> kTapeLayers{"1", "2", "3", "4", "5", "6"};
inline constexpr std::string_view kDefaultTapeLayers = "3";

}  // namespace corvane::winding
