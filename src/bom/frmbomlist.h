// The bill-of-materials form: it takes the finished design from the core,
// bobbin and winding forms, lists every material with its quantity, unit
// price and cost, estimates the production time per piece and its labour
// cost, and builds the cost price, the pre-tax price and the selling price
// with tax. Costs follow their inputs through change reactions; "应用"
// recomputes the sheet and "成本" the prices. "制作清单" prints the
// production list, "导出CSV" saves the bill as a CSV file.
#pragma once

#include <string>

#include "model/form.h"
#include "model/form_names.h"

namespace corvane {

class FrmBomList : public Form {
 public:
  static constexpr const char* kName = forms::kCost;
  // Material rows 0..10 exist at design time; a design with more windings
  // gets further rows when the form opens.
  static constexpr int kDesignRows = 11;
  // the most winding rows a saved design may name
  static constexpr int kMostPricedRow = 999;
  static constexpr const char* kCsvFilter = "CSV(*.csv)|*.csv|(*.*)|*.*";

  explicit FrmBomList(Workspace& workspace);
  // The opening: bracket, shields, lead and wire rows, the copies from the
  // core, bobbin and winding forms and the quantities that follow from them.
  void load() override;
  // A form opened for a winding table of another row count opens afresh,
  // so its material rows follow the windings.
  void activated() override;

  // N: the last winding row, as the winding form had it when this form opened.
  int highestRow() const { return highestRow_; }
  // Opened again for the same windings: the design as it now stands. What
  // the opening copied from the core, bobbin and winding forms, and the
  // quantities that follow from them, are taken afresh; the prices, rates
  // and lengths the designer typed stay.
  void takeDesign();

  // --- commands
  void apply();         // 应用
  void prices();        // 成本
  void windingTime();   // 绕线
  void leadTime();      // 配线
  void tapingTime();    // 包胶带
  void assemblyTime();  // 总装配
  void totalTime();     // 总工时（S）
  void labourCost();    // 生产工时费
  // The seven labour and price buttons in order, as the opening's last step.
  void labourAndPrices();
  void printProductionList();
  // Saves the bill of materials; false after the message naming the file and
  // the reason (the old file then stays as it was).
  bool exportCsv(const std::string& path);
  void exportCsvChosen();

 private:
  // layout
  void addControls();
  void addCoreFrame();
  void addStructuralFrame();
  void addShieldFrame();
  void addConnectorFrame();
  void addFishPaperFrame();
  void addLeadFrame();
  void addWireFrame();
  void addTapeAndVarnishFrames();
  void addTimeFrame();
  void addRateAndPriceFrames();
  void addRowArrays(const char* frame, const char* const* arrays, const int* lefts,
                    const int* widths, const char* const* texts, int top);
  // reactions
  void addReactions();
  void addItemReactions();
  void addRowReactions();
  void addCommandReactions();

  void ensureRows(int highest);

  // --- rules
  void itemCost(const char* quantity, const char* price, const char* cost);
  void baseCost(const char* quantity, const char* price);
  void structuralTotal();
  void shieldWeight(int shield);
  void shieldCost(int shield);
  void shieldTicked(int shield);
  void bridgeBracket();
  void stand();
  void coreCost();
  void tapeCost();
  void varnishCost();
  void leadRowsFromWinding();
  void leadCosts();
  void leadTotal();
  void wireRowsFromWinding(bool copyWeights);
  void normaliseWeights();
  void wireCosts();
  void wireTotal();
  void shieldDefaults();
  void copiesAndQuantities();
  // the time commands; false when their quotient has no value
  bool windingTimeKnown();
  bool leadTimeKnown();
  bool tapingTimeKnown();
  bool assemblyTimeKnown();
  bool operationTimeKnown(const char* count, const char* rate, const char* time);
  bool totalTimeKnown(bool stepsKnown);
  void labourCostOf(bool timeKnown);

  // helpers
  double num(const char* name, int row = -1) const { return control(name, row).num(); }
  void write(const char* name, std::string text, int row = -1);
  Control& winding(const char* name, int row = -1) const;
  Control& core(const char* name, int row = -1) const;
  Control& bobbin(const char* name) const;

  int highestRow_ = 0;
};

}  // namespace corvane
