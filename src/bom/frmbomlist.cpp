#include "bom/frmbomlist.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "bobbin/bobbinform_fields.h"
#include "bom/bom_items.h"
#include "bom/bomform_fields.h"
#include "bom/cost_rules.h"
#include "core/coreform_fields.h"
#include "model/form_names.h"
#include "model/value.h"
#include "model/workspace.h"
#include "winding/frmjiegou.h"
#include "winding/jiegou_fields.h"

namespace corvane {

namespace {
constexpr const char* kCaption = "Peak Corvane专家系统 - BOM材料清单";
constexpr const char* kWindingForm = forms::kStructure;

// design-time texts the opening writes into every material row
constexpr const char* kLeadLength = "200";  // mm per lead
constexpr const char* kLeadPrice = "0.5";   // 元/m
constexpr const char* kWirePrice = "30";    // 元/kg of enamelled copper

// quantities of the stand's parts for one transformer: four feet, four
// screws and nuts, eight washers of each kind and eight sleeves
constexpr const char* kStandQuantities[][2] = {
    {bomform::TxtBaseQ, "4Pcs"}, {bomform::TxtLgQ, "4Pcs"}, {bomform::TxtLmQ, "4Pcs"},
    {bomform::TxtPjQ, "8Pcs"},   {bomform::TxtTjQ, "8Pcs"}, {bomform::TxtTubeQ, "8Pcs"},
};

std::string fixedOrEmpty(std::optional<double> value, int decimals) {
  return value ? formatFixed(*value, decimals) : std::string();
}
}  // namespace

FrmBomList::FrmBomList(Workspace& workspace) : Form(workspace, kName, kCaption) {
  addControls();
  addReactions();
  holdsText({bomform::TxtFrm, bomform::TxtBase, bomform::TxtLg, bomform::TxtLm, bomform::TxtPj,
             bomform::TxtTj, bomform::TxtTube, bomform::TxtBB, bomform::TxtTp, bomform::TxtTPL,
             bomform::TxtKB, bomform::TxtKB1, bomform::TxtVarnish, bomform::TxtLeadWire,
             bomform::TxtLeadSize, bomform::TxtWireType, bomform::txtcname, bomform::txtcoremt});
  // the material rows priced: the winding rows when the form opened
  keep("highestRow", highestRow_, 0, kMostPricedRow);
}

Control& FrmBomList::winding(const char* name, int row) const {
  return jiegou::field(workspace(), name, row);
}

Control& FrmBomList::core(const char* name, int row) const {
  return coreform::field(workspace(), name, row);
}

Control& FrmBomList::bobbin(const char* name) const {
  return bobbinform::field(workspace(), name);
}

void FrmBomList::write(const char* name, std::string text, int row) {
  control(name, row).setText(std::move(text));
}

// ---------------------------------------------------------------- opening

void FrmBomList::load() {
  // the winding rows that exist, up to the last one Txtzb names
  Form& windings = workspace().form(kWindingForm);
  double named = std::max(0.0, windings.control(jiegou::Txtzb).num());
  highestRow_ = 0;
  while (highestRow_ + 1 <= named && windings.array(jiegou::TXTWN).has(highestRow_ + 1))
    ++highestRow_;
  ensureRows(highestRow_);
  if (!control(bomform::Option1).setValue(1)) bridgeBracket();
  write(bomform::TxtCuCost, "");
  write(bomform::TxtLead, "");
  shieldDefaults();
  for (int i = 0; i <= highestRow_; ++i) {
    write(bomform::TxtLeadLeng, kLeadLength, i);
    write(bomform::TxtLeadPrice, kLeadPrice, i);
    write(bomform::TxtWirePrice, kWirePrice, i);
  }
  // takes the totals again: a cost that kept its text raised no change
  takeDesign();
  labourAndPrices();
}

// The labour times, the labour cost and the prices once, as "绕线", "配线",
// "包胶带", "总装配", "总工时（S）", "生产工时费" and "成本" would in that order;
// each is an arithmetic boundary of its own, so a stop in one leaves the
// others to run.
void FrmBomList::labourAndPrices() {
  for (void (FrmBomList::*step)() :
       {&FrmBomList::windingTime, &FrmBomList::leadTime, &FrmBomList::tapingTime,
        &FrmBomList::assemblyTime, &FrmBomList::totalTime, &FrmBomList::labourCost,
        &FrmBomList::prices})
    workspace().runEvent([this, step] { (this->*step)(); });
}

// A cost form shown again takes the design as it now stands: one priced for
// a table of another row count is opened afresh, so its material rows follow
// the windings; one for these windings copies the core, bobbin and winding
// figures again and keeps the prices typed.
void FrmBomList::activated() {
  const Form* windings = workspace().existing(kWindingForm);
  if (!windings) return;
  if (Frmjiegou::highestRowOf(*windings) == highestRow_) {
    takeDesign();
    return;
  }
  workspace().close(kName);
  workspace().form(kName).show();
}

void FrmBomList::takeDesign() {
  leadRowsFromWinding();
  wireRowsFromWinding(true);
  leadCosts();
  leadTotal();
  wireCosts();
  wireTotal();
  copiesAndQuantities();
}

// Rows beyond the design's windings are hidden; a design with more windings
// than the design-time rows gets rows of its own.
void FrmBomList::ensureRows(int highest) {
  for (const auto* arrays : {bom::kLeadArrays, bom::kWireArrays}) {
    for (size_t c = 0; c < std::size(bom::kLeadArrays); ++c) {
      ControlArray& column = array(arrays[c]);
      Control& first = column.element(0);
      for (int i = 0; i <= highest; ++i) {
        if (column.has(i)) continue;
        ControlInit row = first.snapshot();
        row.geometry.top =
            first.geometry().top + i * (column.element(1).geometry().top - first.geometry().top);
        column.load(i, row);
      }
      for (int i : column.indices()) column.element(i).setVisible(i <= highest);
    }
  }
}

void FrmBomList::shieldDefaults() {
  const std::string& length = core(coreform::TXTL).text();
  std::string width =
      generalFormat(bom::shieldWidth(core(coreform::TXTL).num(), core(coreform::txth).num()));
  const std::string& thickness = core(coreform::txtcoremt, 0).text();
  for (const bom::Shield& shield : bom::kShields) {
    write(shield.length, length);
    write(shield.width, width);
    write(shield.thickness, thickness);
  }
}

void FrmBomList::copiesAndQuantities() {
  const int windings = highestRow_ + 1;
  write(bomform::TxtTapeLeng, winding(jiegou::TxtTapeLeng).text());
  write(bomform::TxtTapeW, bobbin(bobbinform::TxtTapeW).text());
  write(bomform::txtcname, core(coreform::txtcname).text());
  write(bomform::txtcoremt, core(coreform::txtcoremt, 4).text());
  write(bomform::txtwe, core(coreform::txtwe).text());
  write(bomform::TxtKB, bobbin(bobbinform::TxtKB).text());
  write(bomform::TxtKB1, bobbin(bobbinform::TxtKB1).text());
  write(bomform::TxtKBQ, generalFormat(windings));  // one piece per winding
  write(bomform::TxtKB1Q, generalFormat(windings));
  write(bomform::TxtBB, core(coreform::txtcname).text());

  write(bomform::TxtPxQ, generalFormat(windings * 2.0));  // two leads per winding
  write(bomform::TxtTapeL, generalFormat(winding(jiegou::CmbTapeL).num() * windings));
  double stack = core(coreform::TxtB).num();
  write(bomform::TxtZpQ,
        fixedOrEmpty(bom::laminationCount(stack, core(coreform::txtcoremt, 0).num()), 0));
  write(bomform::TxtVarnishQ,
        formatFixed(stack * core(coreform::TXTL).num() * 0.007, 1));  // g of varnish
}

// ---------------------------------------------------------------- reactions

void FrmBomList::addReactions() {
  addItemReactions();
  addRowReactions();
  addCommandReactions();
}

void FrmBomList::addItemReactions() {
  auto priced = [this](const bom::PricedItem& item) {
    on(EventKind::Change, {item.quantity, item.price}, [this, &item](Control&, const EventArgs&) {
      itemCost(item.quantity, item.price, item.cost);
    });
  };
  for (const bom::PricedItem& item : bom::kStandParts) priced(item);
  for (const bom::PricedItem& item : bom::kConnectors) priced(item);
  for (const bom::PricedItem& item : bom::kFishPapers) priced(item);
  priced(bom::kBobbin);
  // unticking a part takes its cost off; ticking changes nothing
  auto ticked = [this](const bom::PricedItem& item) {
    on(EventKind::Click, item.check, [this, &item](Control& box, const EventArgs&) {
      if (box.value() == 0) write(item.cost, "");
    });
  };
  for (const bom::PricedItem& item : bom::kStandParts) ticked(item);
  for (const bom::PricedItem& item : bom::kConnectors) ticked(item);

  // the bracket and the base share a cost: the pair edited last sets it
  on(EventKind::Change, {bom::kBracket.quantity, bom::kBracket.price},
     [this](Control&, const EventArgs&) { baseCost(bom::kBracket.quantity, bom::kBracket.price); });
  on(EventKind::Change, {bom::kBase.quantity, bom::kBase.price},
     [this](Control&, const EventArgs&) { baseCost(bom::kBase.quantity, bom::kBase.price); });
  on(EventKind::Click, bomform::Option1, [this](Control&, const EventArgs&) { bridgeBracket(); });
  on(EventKind::Click, bomform::Option2, [this](Control&, const EventArgs&) { stand(); });

  for (int s = 0; s < static_cast<int>(std::size(bom::kShields)); ++s) {
    const bom::Shield& shield = bom::kShields[s];
    on(EventKind::Change, {shield.length, shield.width, shield.thickness},
       [this, s](Control&, const EventArgs&) { shieldWeight(s); });
    on(EventKind::Change, {shield.weight, shield.price},
       [this, s](Control&, const EventArgs&) { shieldCost(s); });
    on(EventKind::Change, shield.cost, [this](Control&, const EventArgs&) { structuralTotal(); });
    on(EventKind::Click, shield.check, [this, s](Control&, const EventArgs&) { shieldTicked(s); });
  }
  for (const char* term : bom::kStructuralCosts)
    on(EventKind::Change, term, [this](Control&, const EventArgs&) { structuralTotal(); });

  auto rule = [this](void (FrmBomList::*method)()) {
    return [this, method](Control&, const EventArgs&) { (this->*method)(); };
  };
  // the core's cost follows its weight as well as its price
  on(EventKind::Change, {bomform::TxtCorePrice, bomform::txtwe}, rule(&FrmBomList::coreCost));
  on(EventKind::Change, {bomform::TxtTapeW, bomform::TxtTapeLeng, bomform::TxtTapePrice},
     rule(&FrmBomList::tapeCost));
  on(EventKind::Change, {bomform::TxtVarnishQ, bomform::TxtVarnishPrice},
     rule(&FrmBomList::varnishCost));
}

void FrmBomList::addRowReactions() {
  on(EventKind::Change, {bomform::TxtLeadLeng, bomform::TxtLeadPrice},
     [this](Control&, const EventArgs&) { leadCosts(); });
  on(EventKind::Change, bomform::TxtLeadCost, [this](Control&, const EventArgs&) { leadTotal(); });
  on(EventKind::Change, bomform::TXTCUWEIGH, [this](Control&, const EventArgs&) {
    normaliseWeights();
    wireCosts();
  });
  on(EventKind::Change, bomform::TxtWirePrice, [this](Control&, const EventArgs&) { wireCosts(); });
  on(EventKind::Change, bomform::TxtWireCost, [this](Control&, const EventArgs&) { wireTotal(); });
}

void FrmBomList::addCommandReactions() {
  auto command = [this](const char* name, void (FrmBomList::*method)()) {
    on(EventKind::Click, name, [this, method](Control&, const EventArgs&) { (this->*method)(); });
  };
  command(bomform::Command1, &FrmBomList::windingTime);
  command(bomform::Command2, &FrmBomList::leadTime);
  command(bomform::Command3, &FrmBomList::tapingTime);
  command(bomform::Command4, &FrmBomList::assemblyTime);
  command(bomform::Command9, &FrmBomList::totalTime);
  command(bomform::Command11, &FrmBomList::labourCost);
  command(bomform::Command12, &FrmBomList::apply);
  command(bomform::Command13, &FrmBomList::prices);
  command(bomform::Command14, &FrmBomList::printProductionList);
  command(bomform::CmdExport, &FrmBomList::exportCsvChosen);
}

// ---------------------------------------------------------------- material rules

void FrmBomList::itemCost(const char* quantity, const char* price, const char* cost) {
  write(cost, formatFixed(num(quantity) * num(price), 2));
}

void FrmBomList::baseCost(const char* quantity, const char* price) {
  write(bom::kBase.cost, formatFixed(num(quantity) * num(price), 1));
}

// Every term once, whatever order the changes that lead here come in; a
// shield counts only while it is ticked.
void FrmBomList::structuralTotal() {
  double total = 0;
  for (const char* term : bom::kStructuralCosts) total += num(term);
  for (const bom::Shield& shield : bom::kShields)
    if (control(shield.check).value() == 1) total += num(shield.cost);
  write(bomform::TxtJGCost, generalFormat(total));
}

void FrmBomList::shieldWeight(int s) {
  const bom::Shield& shield = bom::kShields[s];
  double weight = bom::shieldWeight(num(shield.length), num(shield.width), num(shield.thickness));
  write(shield.weight, formatFixed(weight, 1));
}

void FrmBomList::shieldCost(int s) {
  const bom::Shield& shield = bom::kShields[s];
  write(shield.cost, formatFixed(bom::costByWeight(num(shield.price), num(shield.weight)), 2));
}

void FrmBomList::shieldTicked(int s) {
  const bom::Shield& shield = bom::kShields[s];
  if (control(shield.check).value() == 1) {
    shieldWeight(s);
    shieldCost(s);
  } else {
    write(shield.weight, "");
    write(shield.cost, "");
  }
  structuralTotal();  // also when the cost text stayed the same
}

void FrmBomList::bridgeBracket() {
  for (const bom::PricedItem& part : bom::kStandParts) control(part.check).setValue(0);
  write(bom::kBracket.description, core(coreform::txtcname).text());
  for (const auto& quantity : kStandQuantities) write(quantity[0], "");
  baseCost(bom::kBracket.quantity, bom::kBracket.price);
  structuralTotal();
}

void FrmBomList::stand() {
  for (const bom::PricedItem& part : bom::kStandParts) control(part.check).setValue(1);
  write(bom::kBase.description, core(coreform::txtcname).text());
  for (const auto& quantity : kStandQuantities) write(quantity[0], quantity[1]);
  baseCost(bom::kBase.quantity, bom::kBase.price);
  structuralTotal();
}

void FrmBomList::coreCost() {
  write(bomform::TxtCoreCost,
        formatFixed(bom::costByWeight(num(bomform::TxtCorePrice), num(bomform::txtwe)), 2));
}

void FrmBomList::tapeCost() {
  write(bomform::TxtTapeCost,
        formatFixed(bom::tapeCost(num(bomform::TxtTapePrice), num(bomform::TxtTapeW),
                                  num(bomform::TxtTapeLeng)),
                    3));
}

void FrmBomList::varnishCost() {
  write(
      bomform::TxtVarnishCost,
      formatFixed(bom::costByWeight(num(bomform::TxtVarnishPrice), num(bomform::TxtVarnishQ)), 2));
}

// ---------------------------------------------------------------- material rows

void FrmBomList::leadRowsFromWinding() {
  for (int i = 0; i <= highestRow_; ++i) {
    write(bomform::TxtLeadWire, winding(jiegou::CmBleadtype, i).text(), i);
    std::optional<double> gauge = bom::awgOfDiameter(winding(jiegou::TXTWIRE, i).num());
    write(bomform::TxtLeadSize, gauge ? formatFixed(*gauge, 0) + "AWG" : std::string(), i);
  }
}

void FrmBomList::leadCosts() {
  for (int i = 0; i <= highestRow_; ++i)
    write(
        bomform::TxtLeadCost,
        formatFixed(bom::leadCost(num(bomform::TxtLeadPrice, i), num(bomform::TxtLeadLeng, i)), 2),
        i);
}

void FrmBomList::leadTotal() {
  double total = 0;
  for (int i = 0; i <= highestRow_; ++i) total += num(bomform::TxtLeadCost, i);
  write(bomform::TxtLead, formatFixed(total, 2));
}

void FrmBomList::wireRowsFromWinding(bool copyWeights) {
  for (int i = 0; i <= highestRow_; ++i) {
    write(bomform::TxtWireType, winding(jiegou::CMBTYPE, i).text(), i);
    write(bomform::TXTWIRE, winding(jiegou::TXTWIRE, i).text(), i);
    if (copyWeights) write(bomform::TXTCUWEIGH, winding(jiegou::TXTCUWEIGH, i).text(), i);
  }
}

// Weights show their unit: 15.105 becomes 15.105g; a weight already written
// so keeps its text and raises no further change.
void FrmBomList::normaliseWeights() {
  for (int i = 0; i <= highestRow_; ++i)
    write(bomform::TXTCUWEIGH, generalFormat(num(bomform::TXTCUWEIGH, i)) + "g", i);
}

void FrmBomList::wireCosts() {
  for (int i = 0; i <= highestRow_; ++i)
    write(bomform::TxtWireCost,
          formatFixed(bom::costByWeight(num(bomform::TxtWirePrice, i), num(bomform::TXTCUWEIGH, i)),
                      2),
          i);
}

void FrmBomList::wireTotal() {
  double total = 0;
  for (int i = 0; i <= highestRow_; ++i) total += num(bomform::TxtWireCost, i);
  write(bomform::TxtCuCost, generalFormat(total));
}

// ---------------------------------------------------------------- labour and prices

bool FrmBomList::windingTimeKnown() {
  double turns = 0;
  for (int i = 0; i <= highestRow_; ++i) turns += winding(jiegou::TXTTURN, i).num();
  write(bomform::TxtTN, generalFormat(turns));
  // the winding machine's speed in rpm is turns a minute
  return operationTimeKnown(bomform::TxtTN, bomform::TxtWindZs, bomform::TxtWindTime);
}

bool FrmBomList::leadTimeKnown() {
  return operationTimeKnown(bomform::TxtPxQ, bomform::TxtPx, bomform::TxtPxTime);
}

bool FrmBomList::tapingTimeKnown() {
  return operationTimeKnown(bomform::TxtTapeL, bomform::TxtWindTp, bomform::TxtWindTpTime);
}

bool FrmBomList::assemblyTimeKnown() {
  return operationTimeKnown(bomform::TxtZpQ, bomform::TxtZp, bomform::TxtZpTime);
}

// Every step's time is its count over its rate, in seconds to one decimal;
// blank when the rate is nought or missing.
bool FrmBomList::operationTimeKnown(const char* count, const char* rate, const char* time) {
  std::optional<double> seconds = bom::operationSeconds(num(count), num(rate));
  write(time, fixedOrEmpty(seconds, 1));
  return seconds.has_value();
}

// The taping time is part of the winding step and not added again.
bool FrmBomList::totalTimeKnown(bool stepsKnown) {
  std::optional<double> total;
  if (stepsKnown) {
    double steps = num(bomform::TxtWindTime) + num(bomform::TxtPxTime) + num(bomform::TxtZpTime) +
                   num(bomform::TxtTestTimeB) + num(bomform::TxtVarnishTime) +
                   num(bomform::TxtTestTime) + num(bomform::TxtPakTime);
    total = bom::productionTime(steps, num(bomform::TxtFk));
  }
  write(bomform::TxtTime, fixedOrEmpty(total, 1));
  return total.has_value();
}

void FrmBomList::labourCostOf(bool timeKnown) {
  std::optional<double> rate =
      bom::hourlyRate(num(bomform::TxtGz), num(bomform::TxtTs), num(bomform::TxtXs));
  write(bomform::TxtXsF, fixedOrEmpty(rate, 2));
  std::optional<double> cost;
  if (rate && timeKnown) cost = bom::labourCost(num(bomform::TxtXsF), num(bomform::TxtTime));
  write(bomform::TxtGsF, fixedOrEmpty(cost, 2));
}

void FrmBomList::windingTime() {
  windingTimeKnown();
}
void FrmBomList::leadTime() {
  leadTimeKnown();
}
void FrmBomList::tapingTime() {
  tapingTimeKnown();
}
void FrmBomList::assemblyTime() {
  assemblyTimeKnown();
}
void FrmBomList::totalTime() {
  totalTimeKnown(true);
}
void FrmBomList::labourCost() {
  labourCostOf(true);
}

void FrmBomList::prices() {
  constexpr const char* terms[] = {
      bomform::TxtLead,    bomform::TxtCuCost,   bomform::TxtCoreCost, bomform::TxtVarnishCost,
      bomform::TxtJGCost,  bomform::TxtKBCost,   bomform::TxtKB1Cost,  bomform::TxtTpCost,
      bomform::TxtTPLCost, bomform::TxtTapeCost, bomform::TxtGsF,      bomform::TxtOtherCost};
  double sum = 0;
  for (const char* term : terms) sum += num(term);
  write(bomform::TxtMtCost, formatFixed(sum, 2));
  std::optional<double> preTax = bom::preTaxPrice(sum, num(bomform::TxtMll));
  write(bomform::TxtCost, fixedOrEmpty(preTax, 2));
  std::optional<double> withTax;
  if (preTax) withTax = bom::priceWithTax(num(bomform::TxtCost), num(bomform::Txtsll));
  write(bomform::TxtSelsCost, fixedOrEmpty(withTax, 2));
}

// Recomputes the sheet from the design and the edited quantities and prices;
// the prices are left to "成本". A time step without a value leaves the
// total time and the labour cost empty.
void FrmBomList::apply() {
  coreCost();
  bool stepsKnown = assemblyTimeKnown();
  leadRowsFromWinding();
  leadCosts();
  leadTotal();
  wireRowsFromWinding(false);
  wireCosts();
  wireTotal();
  varnishCost();
  structuralTotal();
  for (const bom::PricedItem* item :
       {&bom::kFishPapers[1], &bom::kFishPapers[0], &bom::kConnectors[1], &bom::kConnectors[0]})
    itemCost(item->quantity, item->price, item->cost);
  tapeCost();
  stepsKnown = windingTimeKnown() && stepsKnown;
  stepsKnown = leadTimeKnown() && stepsKnown;
  tapingTimeKnown();
  labourCostOf(totalTimeKnown(stepsKnown));
}

}  // namespace corvane
