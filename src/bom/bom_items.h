// The priced items of the cost form by their field names, shared by the
// form's reactions, the production list and the CSV export: each item is a
// description, a quantity, a unit price and a cost (quantity × price).
#pragma once

namespace corvane::bom {

struct PricedItem {
  const char* check;  // check box that includes the item, nullptr when always included
  const char* caption;
  const char* description;
  const char* quantity;
  const char* price;
  const char* cost;
};

// check box, caption, description, quantity, price, cost: the stand's small parts
inline constexpr PricedItem kStandParts[] = {
    {"Check1", "螺杆", "TxtLg", "TxtLgQ", "TxtLgPrice", "TxtLgCost"},
    {"Check2", "螺帽", "TxtLm", "TxtLmQ", "TxtLmPrice", "TxtLmCost"},
    {"Check3", "平介", "TxtPj", "TxtPjQ", "TxtPjPrice", "TxtPjCost"},
    {"Check4", "弹介", "TxtTj", "TxtTjQ", "TxtTjPrice", "TxtTjCost"},
    {"Check5", "绝缘套", "TxtTube", "TxtTubeQ", "TxtTubePrice", "TxtTubeCost"},
};

inline constexpr PricedItem kConnectors[] = {
    {"Check6", "端子", "TxtTp", "TxtTpQ", "TxtTpPrice", "TxtTpCost"},
    {"Check7", "插件", "TxtTPL", "TxtTPLQ", "TxtTPLPrice", "TxtTPLCost"},
};

inline constexpr PricedItem kBobbin{nullptr, "骨架", "TxtBB", "TxtBBQ", "TxtBBPrice", "TxtBBCost"};

inline constexpr PricedItem kFishPapers[] = {
    {nullptr, "快巴纸", "TxtKB", "TxtKBQ", "TxtKBPrice", "TxtKBCost"},
    {nullptr, "快巴纸", "TxtKB1", "TxtKB1Q", "TxtKB1Price", "TxtKB1Cost"},
};

// The bridge bracket and the stand's base share one cost field.
inline constexpr PricedItem kBracket{nullptr,   "桥架",        "TxtFrm",
                                     "TxtFrmQ", "TxtFrmPrice", "TxtBaseCost"};
inline constexpr PricedItem kBase{nullptr,    "支架",         "TxtBase",
                                  "TxtBaseQ", "TxtBasePrice", "TxtBaseCost"};

// A sheet-steel shield: length, width and thickness in mm give its weight.
struct Shield {
  const char* check;
  const char* caption;
  const char* length;
  const char* width;
  const char* thickness;
  const char* weight;  // g
  const char* price;   // 元/kg
  const char* cost;
};

inline constexpr Shield kShields[] = {
    {"Check8", "磁屏蔽", "TxtPbA", "TxtPbB", "TxtPbC", "TxtPbWe", "TxtPbPrice", "TxtPbCost"},
    {"Check9", "外屏蔽", "TxtPbA1", "TxtPbB1", "TxtPbC1", "TxtPbWe1", "TxtPbPrice1", "TxtPbCost1"},
};

// The terms of the structural total, in the order they are added; the
// shields' costs follow for the shields that are ticked.
inline constexpr const char* kStructuralCosts[] = {
    "TxtBBCost", "TxtTubeCost", "TxtTjCost", "TxtPjCost", "TxtLmCost", "TxtLgCost", "TxtBaseCost",
};

// The lead-wire and winding-wire rows, one per winding.
inline constexpr const char* kLeadArrays[] = {"TxtLeadWire", "TxtLeadSize", "TxtLeadLeng",
                                              "TxtLeadPrice", "TxtLeadCost"};
inline constexpr const char* kWireArrays[] = {"TxtWireType", "TXTWIRE", "TXTCUWEIGH",
                                              "TxtWirePrice", "TxtWireCost"};

}  // namespace corvane::bom
