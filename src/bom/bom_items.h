// The priced items of the cost form by their field names, shared by the
// form's reactions, the production list and the CSV export: each item is a
// description, a quantity, a unit price and a cost (quantity × price).
#pragma once

#include "bom/bomform_fields.h"

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
    {bomform::Check1, "螺杆", bomform::TxtLg, bomform::TxtLgQ, bomform::TxtLgPrice,
     bomform::TxtLgCost},
    {bomform::Check2, "螺帽", bomform::TxtLm, bomform::TxtLmQ, bomform::TxtLmPrice,
     bomform::TxtLmCost},
    {bomform::Check3, "平介", bomform::TxtPj, bomform::TxtPjQ, bomform::TxtPjPrice,
     bomform::TxtPjCost},
    {bomform::Check4, "弹介", bomform::TxtTj, bomform::TxtTjQ, bomform::TxtTjPrice,
     bomform::TxtTjCost},
    {bomform::Check5, "绝缘套", bomform::TxtTube, bomform::TxtTubeQ, bomform::TxtTubePrice,
     bomform::TxtTubeCost},
};

inline constexpr PricedItem kConnectors[] = {
    {bomform::Check6, "端子", bomform::TxtTp, bomform::TxtTpQ, bomform::TxtTpPrice,
     bomform::TxtTpCost},
    {bomform::Check7, "插件", bomform::TxtTPL, bomform::TxtTPLQ, bomform::TxtTPLPrice,
     bomform::TxtTPLCost},
};

inline constexpr PricedItem kBobbin{
    nullptr, "骨架", bomform::TxtBB, bomform::TxtBBQ, bomform::TxtBBPrice, bomform::TxtBBCost};

inline constexpr PricedItem kFishPapers[] = {
    {nullptr, "快巴纸", bomform::TxtKB, bomform::TxtKBQ, bomform::TxtKBPrice, bomform::TxtKBCost},
    {nullptr, "快巴纸", bomform::TxtKB1, bomform::TxtKB1Q, bomform::TxtKB1Price,
     bomform::TxtKB1Cost},
};

// The bridge bracket and the stand's base share one cost field.
inline constexpr PricedItem kBracket{
    nullptr, "桥架", bomform::TxtFrm, bomform::TxtFrmQ, bomform::TxtFrmPrice, bomform::TxtBaseCost};
inline constexpr PricedItem kBase{nullptr,
                                  "支架",
                                  bomform::TxtBase,
                                  bomform::TxtBaseQ,
                                  bomform::TxtBasePrice,
                                  bomform::TxtBaseCost};

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
    {bomform::Check8, "磁屏蔽", bomform::TxtPbA, bomform::TxtPbB, bomform::TxtPbC, bomform::TxtPbWe,
     bomform::TxtPbPrice, bomform::TxtPbCost},
    {bomform::Check9, "外屏蔽", bomform::TxtPbA1, bomform::TxtPbB1, bomform::TxtPbC1,
     bomform::TxtPbWe1, bomform::TxtPbPrice1, bomform::TxtPbCost1},
};

// The terms of the structural total, in the order they are added; the
// shields' costs follow for the shields that are ticked.
inline constexpr const char* kStructuralCosts[] = {
    bomform::TxtBBCost, bomform::TxtTubeCost, bomform::TxtTjCost,   bomform::TxtPjCost,
    bomform::TxtLmCost, bomform::TxtLgCost,   bomform::TxtBaseCost,
};

// The lead-wire and winding-wire rows, one per winding.
inline constexpr const char* kLeadArrays[] = {bomform::TxtLeadWire, bomform::TxtLeadSize,
                                              bomform::TxtLeadLeng, bomform::TxtLeadPrice,
                                              bomform::TxtLeadCost};
inline constexpr const char* kWireArrays[] = {bomform::TxtWireType, bomform::TXTWIRE,
                                              bomform::TXTCUWEIGH, bomform::TxtWirePrice,
                                              bomform::TxtWireCost};

}  // namespace corvane::bom
