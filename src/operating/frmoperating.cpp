#include "operating/frmoperating.h"

#include "core/coreform_fields.h"
#include "electrical/electrical_tables.h"
#include "electrical/eledata_fields.h"
#include "electrical/frmeledata.h"
#include "electrical/group_conversion.h"
#include "model/host.h"
#include "model/print_job.h"
#include "model/value.h"
#include "model/workspace.h"
#include "operating/adapter_efficiency.h"
#include "operating/operating_fields.h"
#include "operating/operating_figures.h"
#include "operating/operating_report.h"
#include "winding/frmjiegou.h"
#include "winding/jiegou_fields.h"

namespace corvane {

using namespace operatingform;
using operating::DesignReading;
using operating::Figure;
using operating::Reading;

namespace {

constexpr const char* kCaption = "Peak Corvane专家系统 - 工况分析";
constexpr const char* kNoElectrical = "电气规格窗体未打开";
constexpr const char* kNoCore = "铁芯窗体未打开";
constexpr const char* kNoStructure = "结构仿真窗体未打开，尚无绕组数据";

constexpr const char* kMainsHeaders[] = {"低压", "额定", "高压"};

// what a winding row's field holds, after the winding's name
constexpr const char* kTurns = "的圈数";
constexpr const char* kColdResistance = "的冷阻";
constexpr const char* kCopperLoss = "的铜损";
constexpr const char* kNoLoadVoltage = "的空载电压";
constexpr const char* kNoNumber = "没有数值";
constexpr const char* kNoNoLoadCurrent = "结构仿真的空载电流I0没有数值";
constexpr const char* kNoRow = "该组没有绕组行：请回到电气规格重新进入结构仿真";
// the fields of other forms read outside the winding table
constexpr const char* kTolerance = "电网波动";
constexpr const char* kInputVoltage = "电气规格的输入电压";
constexpr const char* kFluxDensity = "铁芯的工作磁密Bm";
constexpr const char* kIronLoss = "铁芯的铁损Pc";
constexpr const char* kPathLength = "铁芯的平均磁路长度Le";

// "绕组N3": a winding of the table by the name its row shows
std::string windingWhat(const std::string& name, const char* what) {
  return "绕组" + name + what;
}

// The number a field shows, or why it shows none.
Reading reading(const Control& field, const std::string& what) {
  if (!startsWithNumber(field.text())) return Reading::none(what + kNoNumber);
  return Reading::of(field.num());
}

}  // namespace

FrmOperating::FrmOperating(Workspace& workspace) : Form(workspace, kName, kCaption) {
  addControls();
  holdsText({GroupName});
  // the program's words: shown in the language shown
  holdsWords({Verdict, GroupCircuit, AdapterClass, AdapterVerdict});
  on(EventKind::Click, CmdCalculate, [this](Control&, const EventArgs&) { calculate(); });
  on(EventKind::Change, MainsTolerance, [this](Control&, const EventArgs&) { calculate(); });
  on(EventKind::Click, CmdPrint, [this](Control&, const EventArgs&) { printReport(); });
  // shown again from the structure form while it is the active window: the
  // design may have changed meanwhile
  events.connect([this](const FormEvent& event) {
    if (event.kind == FormEventKind::Shown || event.kind == FormEventKind::Raised)
      this->workspace().runEvent([this] { calculate(); });
  });
}

void FrmOperating::load() {
  calculate();
}

void FrmOperating::activated() {
  calculate();
}

// ---------------------------------------------------------------- reading

DesignReading FrmOperating::readDesign() const {
  DesignReading d;
  d.tolerance = reading(control(MainsTolerance), kTolerance);
  const Form* electrical = workspace().existing(forms::kElectrical);
  const Form* core = workspace().existing(forms::kCore);
  d.primaryVoltage = electrical ? reading(electrical->control(eledata::TXTUIN1), kInputVoltage)
                                : Reading::none(kNoElectrical);
  if (core) {
    d.fluxDensity = reading(core->control(coreform::TxtBm), kFluxDensity);
    d.ironLoss = reading(core->control(coreform::txtpc), kIronLoss);
    d.pathLength = reading(core->control(coreform::txtle), kPathLength);
    d.grade = core->control(coreform::Cmbnew).text();
    d.ratedFluxDensity = core->control(coreform::txtcoremt, 3).num();
    d.coilSurface = core->control(coreform::TxtFM).num();
    d.coreSurface = core->control(coreform::TxtFc).num();
  } else {
    d.fluxDensity = d.ironLoss = d.pathLength = Reading::none(kNoCore);
  }
  if (const auto* groups = dynamic_cast<const Frmeledata*>(electrical)) {
    d.allowedRise = groups->control(eledata::TXTTEMPD).num();
    // the groups 0..N whose rows exist
    for (int g = 0; g <= groups->highestGroup() && groups->find(eledata::txtidc, g); ++g) {
      operating::GroupReading group;
      group.name = groups->cell(eledata::TXTWN, g).text();
      group.circuit = groups->cell(eledata::CMBZL, g).text();
      group.diode = groups->cell(eledata::cmbdio, g).text();
      group.voltage = electrical::railMagnitude(groups->cell(eledata::txtudc, g).num());
      group.current = electrical::railMagnitude(groups->cell(eledata::txtidc, g).num());
      d.groups.push_back(std::move(group));
    }
  }
  readStructure(d);
  return d;
}

// The winding table: the primary's turns and resistance, the no-load
// current, the copper losses and each group's winding voltage.
void FrmOperating::readStructure(DesignReading& d) const {
  const auto* structure = dynamic_cast<const Frmjiegou*>(workspace().existing(forms::kStructure));
  if (!structure) {
    d.primaryTurns = d.primaryResistance = d.copperLoss = Reading::none(kNoStructure);
    d.noLoadCurrent = Figure::empty(kNoStructure);
    for (operating::GroupReading& group : d.groups)
      group.windingVoltage = Reading::none(kNoStructure);
    return;
  }
  const int last = structure->highestRow();
  auto label = [&](int row, const char* what) {
    return windingWhat(structure->cell(jiegou::TXTWN, row).text(), what);
  };
  d.primaryTurns = reading(structure->cell(jiegou::TXTTURN, 0), label(0, kTurns));
  d.primaryResistance = reading(structure->cell(jiegou::TXTDCR20, 0), label(0, kColdResistance));
  const std::string& current = structure->control(jiegou::TxtI0).text();
  d.noLoadCurrent =
      startsWithNumber(current) ? Figure::shown(current) : Figure::empty(kNoNoLoadCurrent);
  // the full-load copper loss of every winding, totalled as the load run does
  double copper = 0;
  d.copperLoss = Reading::of(0);
  for (int row = 0; row <= last; ++row) {
    const Reading loss = reading(structure->cell(jiegou::TXTPCU, row), label(row, kCopperLoss));
    if (!loss.value) {
      d.copperLoss = loss;
      break;
    }
    copper = Val(generalFormat(copper + *loss.value));
    d.copperLoss = Reading::of(copper);
  }
  const Form* electrical = workspace().existing(forms::kElectrical);
  const int primaries = electrical && electrical->control(eledata::Chkp).value() == 1 ? 2 : 1;
  for (size_t g = 0; g < d.groups.size(); ++g) {
    const int row = static_cast<int>(g) + primaries;
    d.groups[g].windingVoltage =
        row <= last ? reading(structure->cell(jiegou::TxtUnV, row), label(row, kNoLoadVoltage))
                    : Reading::none(kNoRow);
  }
}

std::vector<std::string> FrmOperating::notesShown() const {
  std::vector<std::string> notes;
  for (const auto& tip : tips_) notes.push_back(tip.second);
  for (const char* note : {kNoElectrical, kNoCore, kNoStructure, kNoNoLoadCurrent, kNoRow})
    notes.emplace_back(note);
  for (const char* what : {kTolerance, kInputVoltage, kFluxDensity, kIronLoss, kPathLength})
    notes.push_back(what + std::string(kNoNumber));
  // the table's rows are named N1, N2, …: two primaries and every group
  constexpr int kMostWindings = 2 + Frmeledata::kHighestGroup + 1;
  for (int row = 0; row < kMostWindings; ++row)
    for (const char* what : {kTurns, kColdResistance, kCopperLoss, kNoLoadVoltage})
      notes.push_back(windingWhat("N" + std::to_string(row + 1), what) + kNoNumber);
  return notes;
}

std::vector<std::string> FrmOperating::wordsShown() const {
  std::vector<std::string> notes;
  // the groups' rectifiers, the verdicts and the adapter's class and level
  for (const auto& circuit : electrical::kRectifierCircuits) notes.emplace_back(circuit.name);
  for (winding::Verdict verdict :
       {winding::Verdict::Safe, winding::Verdict::Overheating, winding::Verdict::Dangerous})
    notes.push_back(operating::verdictText(verdict));
  for (const operating::AdapterLimits& limits : operating::kAdapterLimits) {
    notes.emplace_back(limits.name);
    for (double efficiency : {0.0, 1.0})
      for (double noLoadPower : {0.0, 1000.0})
        notes.push_back(
            operating::adapterVerdict(limits.adapterClass, 10, efficiency, noLoadPower));
  }
  return notes;
}

// ---------------------------------------------------------------- showing

void FrmOperating::showFigure(const char* name, const Figure& figure, int index) {
  Control& field = control(name, index);
  field.setText(figure.text);
  const std::string& tip = tips_[name];
  field.setToolTip(figure.reason.empty() ? tip : tip + "。" + figure.reason);
}

void FrmOperating::calculate() {
  const DesignReading design = readDesign();
  const operating::OperatingFigures f = operating::operatingFigures(design);
  const std::string tolerance = f.factors ? generalFormat(Val(control(MainsTolerance).text())) : "";
  for (int k = 0; k < operating::kMainsColumns; ++k) {
    std::string header = kMainsHeaders[k];
    if (f.factors && k != 1) header += (k == 0 ? " −" : " +") + tolerance + "%";
    control(MainsHeader, k).setCaption(header);
    showFigure(MainsVoltage, f.mainsVoltage[k], k);
    showFigure(FluxDensity, f.fluxDensity[k], k);
    control(FluxDensity, k).setBackColor(f.fluxColour[k].value_or(colors::kWindow));
    showFigure(IronLoss, f.ironLoss[k], k);
    showFigure(NoLoadCurrent, f.noLoadCurrent[k], k);
    showFigure(LoadRise, f.loadRise[k], k);
    showFigure(EnclosedRise, f.enclosedRise[k], k);
    showFigure(Verdict, f.verdict[k], k);
  }
  for (int g = 0; g < kGroupRows; ++g) {
    const bool used = g < static_cast<int>(f.groups.size());
    const Figure none = Figure::empty("");
    const operating::GroupFigures* group = used ? &f.groups[g] : nullptr;
    control(GroupName, g).setText(used ? design.groups[g].name : "");
    control(GroupCircuit, g).setText(used ? design.groups[g].circuit : "");
    showFigure(NoLoadOutLow, group ? group->noLoadOutput[0] : none, g);
    showFigure(NoLoadOutNominal, group ? group->noLoadOutput[1] : none, g);
    showFigure(NoLoadOutHigh, group ? group->noLoadOutput[2] : none, g);
    showFigure(CapacitorRating, group ? group->capacitorRating : none, g);
    for (const char* column :
         {GroupName, GroupCircuit, NoLoadOutLow, NoLoadOutNominal, NoLoadOutHigh, CapacitorRating})
      control(column, g).setVisible(used);
  }
  for (size_t j = 0; j < operating::kLoadPoints; ++j) {
    const int index = static_cast<int>(j);
    showFigure(OutputPower, f.outputPower[j], index);
    showFigure(Losses, f.losses[j], index);
    showFigure(Efficiency, f.efficiency[j], index);
  }
  showFigure(AverageEfficiency, f.averageEfficiency);
  showFigure(NoLoadInputPower, f.noLoadInputPower);
  showFigure(AdapterClass, f.adapterClass);
  showFigure(RequiredEfficiency, f.requiredEfficiency);
  showFigure(RequiredNoLoadPower, f.requiredNoLoadPower);
  showFigure(AdapterVerdict, f.adapterVerdict);
}

void FrmOperating::printReport() {
  corvane::printReport(host(), caption(),
                       [this](PrintSurface& page) { printOperatingReport(*this, page); });
}

}  // namespace corvane
