// The winding-structure form: one row per winding (the primary or primaries
// first, then one per output group of the electrical specification) with its
// wire, turns and leads and what the layout and performance calculations
// write; the summary of losses, temperature rise, flux density, no-load
// current and copper and tape totals; the operating runs with their safety
// verdict; and the cross-section of the windings in the bobbin.
//
// Lengths in mm, resistance in mΩ, voltages in V, currents in A, weights in
// g (the total in kg), losses in W, temperature rises in K ("℃").
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bobbin/winding_section_drawing.h"
#include "model/empty_field_reason.h"
#include "model/field_links.h"
#include "model/form.h"
#include "model/form_names.h"
#include "simulation/no_load_current.h"
#include "winding/jiegou_fields.h"
#include "winding/run_rises.h"
#include "winding/slot_arrangement.h"

namespace corvane {

namespace winding {
struct RowInputs;
}

class Frmjiegou : public Form, public winding::RunRiseSource, public EmptyFieldReasonSource {
 public:
  static constexpr const char* kName = forms::kStructure;
  // What the electrical form's "结构仿真" sets here: the highest row index.
  static constexpr LinkedField kLinkedFields[] = {{links::kStructureHighestRow, jiegou::Txtzb}};

  // The Enter operations of the editable columns; each recalculates the whole table.
  enum class Edit { Strands, Turns, NoLoadVoltage, WireDiameter };

  explicit Frmjiegou(Workspace& workspace);
  void load() override;

  // N: the highest row index, as Txtzb holds it (never past the rows that exist).
  int highestRow() const { return highestRowOf(*this); }
  // The same of the structure form, or of a form that stands in for it.
  static int highestRowOf(const Form& structure);
  Control& cell(const char* column, int row) const;

  // --- table
  void WNADD();       // creates rows 1..N as copies of row 0
  void TapeLength();  // total tape length from the mean turn lengths
  void recalculate(Edit edit);
  void SummariseTable();
  // --- design pass and no-load current
  void FANGZHEN();
  void Io();
  simulation::NoLoadInputs noLoadInputs() const;
  void determineNoLoadCurrent();  // rated-power table or the steel's curve
  // --- operating runs
  void LoadRun();
  void NoLoadRun();
  // "参数仿真": the design pass, then the no-load current.
  void parameterSimulation();
  // What the table lacks for a run, in the designer's words; empty when complete.
  std::vector<std::string> missingForRuns() const;
  winding::RunRises lastRunRises() const override { return rises_; }
  // An empty no-load current says whether the steel has no magnetising
  // curve, the flux density lies off it, or the design lacks a value.
  std::string emptyFieldReason(const Control& control) const override;
  std::vector<std::string> everyEmptyFieldReason() const override;
  // --- drawing
  void DrawWindingSection();

 private:
  // Inputs of a run read from the other forms once, when it starts.
  struct Context {
    bool twoPrimaries = false;
    int lastGroup = 0;
    double inputVoltage1 = 0, inputVoltage2 = 0, primaryCurrent = 0;
    double ambient = 0, allowedRise = 0;
    double frequency = 0, fluxDensity = 0, section = 0;
    double primaryDensity = 0, secondaryDensity = 0;
    double slot1 = 0, slot2 = 0, basePerimeter = 0;
    winding::SlotArrangement arrangement = winding::SlotArrangement::NoneSelected;
  };

  // layout
  void addControls();
  void addHeader();
  void addTable();
  void addSummary();
  void addCommandsAndPictures();
  void addReactions();
  void addSummaryHooks();

  Context readContext() const;
  Control& electrical(const char* name, int row = -1) const;
  Control& core(const char* name) const;
  Control& bobbin(const char* name) const;
  void pointGroupReferences(int group, const char* voltageField, int voltageRow);
  winding::RowInputs rowInputs(const winding::PlannedRow& planned, const Context& context,
                               double buildBelow);
  // Evaluates the planned rows in order, the way `prepare` sets each one up.
  template <class Prepare>
  void layOutRows(const Context& context, Prepare prepare);

  void fillLists(int row);
  void setColumnEnabled(const char* column, bool enabled);
  void copyFromCore();
  void showLoadFluxDensity();
  void fluxColourCheck();
  void copperWeightTotal();
  void totalLossAndRise();
  void adapterRise();
  std::string riseText(double loss) const;
  void TemperatureVerdict(const char* overheating, const char* safe);
  // Shows "设计不完整：…" once when the design lacks what a run needs.
  bool warnedIncomplete();
  void keepRunRises();
  void confirmFluxDensity();
  void confirmCurrentDensities(const char* next);
  void drawOutline();
  void previousStep();
  void showFormIfKnown(const char* name);

  // Runs a whole-table recalculation with the cross-section drawn once at its
  // end, from the inputs of the last redraw asked for meanwhile (every row's
  // new hot resistance asks for one). An arithmetic stop leaves the drawing
  // the last request saw.
  void withSectionDrawnOnce(const std::function<void()>& recalculation);
  void drawHeldSection();
  void drawSectionOnDemand(SectionDrawingInputs in);
  void recalculateRows(Edit edit);
  void designRows();
  int sectionHeld_ = 0;
  // the rises of the last runs since the table was last designed or recalculated
  winding::RunRises rises_;
  std::optional<SectionDrawingInputs> heldSection_;
};

}  // namespace corvane
