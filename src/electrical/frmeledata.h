// The electrical specification form: input voltages, environment and limits,
// and up to nine output groups, each turned by the rectifier conversion into
// the winding's AC voltage, current and power, with the totals, the default
// regulation, the no-load voltages and the winding schematic.
#pragma once

#include <array>
#include <string>

#include "electrical/eledata_fields.h"
#include "model/form.h"
#include "model/form_names.h"

namespace corvane {

class Picture;

class Frmeledata : public Form {
 public:
  static constexpr const char* kName = forms::kElectrical;
  // Output groups are rows 0..8: nine at most.
  static constexpr int kHighestGroup = 8;
  // Twips between two group rows: 5 mm of the form's millimetre scale.
  static constexpr int kRowPitch = 283;
  // The eleven controls of one output-group row, in the order the design file
  // stores them.
  static constexpr std::array<const char*, 11> kRowArrays{
      eledata::TXTWN,  eledata::txtudc,    eledata::txtidc,  eledata::CMBZL,
      eledata::cmbdio, eledata::txtsuac,   eledata::txtsiac, eledata::txtspo,
      eledata::TXTCP,  eledata::TXTUNLOAD, eledata::ChKSHC};

  explicit Frmeledata(Workspace& workspace);
  void load() override;
  void restored() override;

  // The group the next rectifier conversion recomputes.
  int currentRow() const { return currentRow_; }
  // Keeps CurrentRow on a group of the design (0..N).
  void keepCurrentRowInDesign();
  // N: the highest group index held in txtzb (0..8).
  int highestGroup() const;
  // The element of a row array; RecalcAbort when the row does not exist.
  Control& cell(const char* array, int row);
  const Control& cell(const char* array, int row) const;
  Picture& schematic();

  // --- calculations (each runs the change reactions of the fields it writes)
  void rectifierConversion();
  void recomputeTotals();
  // The whole schematic afresh: the primary (one or two) and every group
  // 0..N, so no group is missing whatever order its values came in.
  void redrawSchematic();

  // --- group rows
  // Creates row `row` of every row array below row `row` - 1: label
  // "W<row+1>", empty values, the lists of the row above with its selection.
  void addRowBelow(int row);
  // Removes every group row but row 0; txtzb ends at 0.
  void removeExtraRows();
  // Yes to "continue adding": N + 1 into txtzb and its row.
  void appendGroup();
  // CMDWNDEL: removes the last group after the input box.
  void deleteLastGroup();
  // TXTUIN2 shown for two primaries only.
  void showInputsAsArranged();

 private:
  void addControls();
  void addOutputTable();
  void addInputBlock();
  void addCommandsAndMenu();
  void addReactions();
  void addEnterChain();
  void voltageEntered(int row, const char* currentField);

  void pointGroupReferences(int row);
  void refreshNoLoadVoltage(int row);
  void refreshAllNoLoadVoltages();
  void applyInsulationClass();
  void inputArrangementClicked();
  void connectionClicked(int row);
  void continueAfterPower(int row);
  void openCoreForm();
  void openStructureForm();

  int currentRow_ = 0;
};

}  // namespace corvane
