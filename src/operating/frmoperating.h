// The operating-analysis form "工况分析", opened from the winding-structure
// form: the design as it stands at low, nominal and high mains (flux density,
// iron loss, no-load current, rise at full load and its verdict), each output
// group's no-load DC voltage with the reservoir capacitor's voltage rating,
// the efficiency at 25, 50, 75 and 100 % load, the no-load input power and
// the adapter efficiency level. Its figures are worked out from the other
// forms whenever it is shown or activated, on "计算" and on a new mains
// tolerance; the form is not part of the saved design.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "model/form.h"
#include "model/form_names.h"

namespace corvane {

namespace operating {
struct DesignReading;
struct Figure;
}  // namespace operating

class FrmOperating : public Form {
 public:
  static constexpr const char* kName = forms::kOperating;
  // One row per output group 0..8 of the electrical form.
  static constexpr int kGroupRows = 9;

  explicit FrmOperating(Workspace& workspace);
  void load() override;
  void activated() override;

  // "计算": works every figure out afresh from the design.
  void calculate();
  // "打印": the one-page report "工况分析报告".
  void printReport();

  // Every text a figure's tool tip can say: what the figure is, and each
  // reason it can be empty, for every winding the table can have.
  std::vector<std::string> notesShown() const;
  // Every word its fields can show: a group's rectifier, a verdict, the
  // adapter's class and efficiency level.
  std::vector<std::string> wordsShown() const;

 private:
  void addControls();
  void addMainsColumns();
  void addGroupRows();
  void addPartLoad();
  void addAdapterLevel();
  // A locked field that shows a figure, with the tool tip that says what it is.
  void addFigure(const char* name, int index, Geometry geometry, const char* tip,
                 const char* frame);

  operating::DesignReading readDesign() const;
  void readStructure(operating::DesignReading& design) const;
  void showFigure(const char* name, const operating::Figure& figure, int index = -1);

  // what each figure field is, for its tool tip beside the reason it is empty
  std::map<std::string, std::string> tips_;
};

}  // namespace corvane
