#include "operating/operating_figures.h"

#include <cmath>
#include <initializer_list>

#include "model/value.h"
#include "operating/adapter_efficiency.h"
#include "operating/capacitor_rating.h"
#include "operating/no_load_outputs.h"
#include "simulation/core_curves.h"
#include "simulation/no_load_current.h"
#include "winding/operating_point.h"

namespace corvane::operating {

namespace {

constexpr const char* kOutOfRange = "数值超出范围，无法计算";
constexpr const char* kBadTolerance = "电网波动须不小于0且小于100（%）";
constexpr const char* kNoCoolingSurface = "铁芯散热面积FC为0，无法计算温升";
constexpr const char* kNoCurrentDivisor = "初级匝数、输入电压或冷阻为0，无法计算空载电流";
constexpr const char* kUnknownRectifier = "整流电路或二极管类型不在表中";
constexpr const char* kNotCapacitorInput = "非电容输入电路，不需滤波电容";
constexpr const char* kAboveRatings = "超过450V，没有标准电容耐压";
constexpr const char* kNoInputPower = "输入功率为0或超出范围，无法计算效率";

// The figure `work` gives; one whose arithmetic overflows or divides by zero
// stays empty.
template <class Work>
Figure attempt(Work work) {
  try {
    return work();
  } catch (const RecalcAbort&) {
    return Figure::empty(kOutOfRange);
  }
}

// The reason of the first reading that has no value, or nullptr.
const std::string* firstMissing(std::initializer_list<const Reading*> readings) {
  for (const Reading* reading : readings)
    if (!reading->value) return &reading->missing;
  return nullptr;
}

// The same figure in every column.
template <size_t N>
void fill(std::array<Figure, N>& figures, const Figure& figure) {
  figures.fill(figure);
}

std::vector<GroupRating> ratingsOf(const std::vector<GroupReading>& groups) {
  std::vector<GroupRating> ratings;
  for (const GroupReading& g : groups)
    ratings.push_back({g.circuit, g.diode, g.voltage, g.current});
  return ratings;
}

class Analysis {
 public:
  Analysis(const DesignReading& design, OperatingFigures& out) : d_(design), out_(out) {}

  void run() {
    mainsColumns();
    groupOutputs();
    partLoad();
    adapterLevel();
  }

 private:
  void mainsColumns() {
    if (d_.tolerance.value) out_.factors = mainsFactors(*d_.tolerance.value);
    if (!out_.factors) {
      const Figure none = Figure::empty(d_.tolerance.value ? kBadTolerance : d_.tolerance.missing);
      for (auto* column : {&out_.mainsVoltage, &out_.fluxDensity, &out_.ironLoss,
                           &out_.noLoadCurrent, &out_.loadRise, &out_.enclosedRise, &out_.verdict})
        fill(*column, none);
      return;
    }
    for (int k = 0; k < kMainsColumns; ++k) mainsColumn(k, (*out_.factors)[k]);
  }

  void mainsColumn(int k, double m) {
    out_.mainsVoltage[k] = figure({&d_.primaryVoltage}, [&] {
      return formatFixed(decimalProduct(*d_.primaryVoltage.value, m), 1);
    });
    out_.fluxDensity[k] = figure({&d_.fluxDensity}, [&] {
      return formatFixed(decimalProduct(*d_.fluxDensity.value, m), 3);
    });
    if (!out_.fluxDensity[k].text.empty())
      out_.fluxColour[k] =
          winding::fluxDensityColour(Val(out_.fluxDensity[k].text), d_.ratedFluxDensity);
    out_.ironLoss[k] = figure(
        {&d_.ironLoss}, [&] { return formatFixed(ironLossAtMains(*d_.ironLoss.value, m), 2); });
    out_.noLoadCurrent[k] = k == 1 ? d_.noLoadCurrent : curveCurrent(m);
    rise(k, m);
  }

  // I0 by the structure form's route, with the flux density, supply and iron
  // loss of the column.
  Figure curveCurrent(double m) {
    if (const std::string* missing =
            firstMissing({&d_.primaryVoltage, &d_.fluxDensity, &d_.ironLoss, &d_.pathLength,
                          &d_.primaryTurns, &d_.primaryResistance}))
      return Figure::empty(*missing);
    if (!simulation::curveForGrade(d_.grade))
      return Figure::empty("牌号“" + d_.grade + "”没有磁化曲线");
    return attempt([&] {
      simulation::NoLoadInputs in;
      in.fluxDensity = decimalProduct(*d_.fluxDensity.value, m);
      in.pathLength = *d_.pathLength.value;
      in.ironLoss = ironLossAtMains(*d_.ironLoss.value, m);
      in.primaryVoltage = decimalProduct(*d_.primaryVoltage.value, m);
      in.primaryTurns = *d_.primaryTurns.value;
      in.primaryResistance = *d_.primaryResistance.value;
      std::string current = simulation::curveNoLoadCurrentText(d_.grade, in);
      return current.empty() ? Figure::empty(kNoCurrentDivisor) : Figure::shown(current);
    });
  }

  // The load run's rise with the column's iron loss, its rise in an adapter
  // housing and the verdict on it.
  void rise(int k, double m) {
    out_.loadRise[k] = figure({&d_.ironLoss, &d_.copperLoss}, [&] {
      const double loss =
          decimalProduct(ironLossAtMains(*d_.ironLoss.value, m) + *d_.copperLoss.value, 1);
      return winding::openFrameRiseText(std::fabs(loss), d_.coilSurface, d_.coreSurface);
    });
    if (out_.loadRise[k].text.empty() && out_.loadRise[k].reason.empty())
      out_.loadRise[k] = Figure::empty(kNoCoolingSurface);
    const Figure& rise = out_.loadRise[k];
    if (rise.text.empty()) {
      out_.enclosedRise[k] = rise;
      out_.verdict[k] = rise;
      return;
    }
    out_.enclosedRise[k] =
        attempt([&] { return Figure::shown(winding::adapterRiseText(Val(rise.text))); });
    out_.verdict[k] =
        Figure::shown(verdictText(winding::temperatureVerdict(Val(rise.text), d_.allowedRise)));
  }

  void groupOutputs() {
    for (const GroupReading& group : d_.groups) {
      GroupFigures figures;
      for (int k = 0; k < kMainsColumns; ++k) figures.noLoadOutput[k] = groupOutput(group, k);
      figures.capacitorRating = rating(group, figures.noLoadOutput[2]);
      out_.groups.push_back(std::move(figures));
    }
  }

  Figure groupOutput(const GroupReading& group, int k) {
    if (!out_.factors) return out_.mainsVoltage[k];
    if (!group.windingVoltage.value) return Figure::empty(group.windingVoltage.missing);
    return attempt([&] {
      const double u = decimalProduct(*group.windingVoltage.value, (*out_.factors)[k]);
      const std::optional<double> volts = noLoadOutput(group.circuit, group.diode, u);
      return volts ? Figure::shown(formatFixed(*volts, 2)) : Figure::empty(kUnknownRectifier);
    });
  }

  // The rating not below the no-load voltage shown at high mains.
  static Figure rating(const GroupReading& group, const Figure& high) {
    if (!findCapacitorInput(group.circuit)) return Figure::empty(kNotCapacitorInput);
    if (high.text.empty()) return high;
    const std::optional<double> rating = capacitorRating(Val(high.text));
    return rating ? Figure::shown(generalFormat(*rating)) : Figure::empty(kAboveRatings);
  }

  void partLoad() {
    ratings_ = ratingsOf(d_.groups);
    nameplate_ = nameplatePower(ratings_);
    const std::optional<double> diodes = diodeLoss(ratings_);
    const Reading diodeReading = diodes ? Reading::of(*diodes) : Reading::none(kUnknownRectifier);
    const std::string* missing = firstMissing({&d_.ironLoss, &d_.copperLoss, &diodeReading});
    std::array<LoadPoint, kLoadPoints> points;
    for (size_t j = 0; j < kLoadPoints; ++j) {
      out_.outputPower[j] =
          attempt([&] { return Figure::shown(formatFixed(kLoadShares[j] * nameplate_, 2)); });
      if (missing) {
        out_.losses[j] = out_.efficiency[j] = Figure::empty(*missing);
        continue;
      }
      points[j] =
          loadPoint(nameplate_, {*d_.ironLoss.value, *d_.copperLoss.value, *diodeReading.value},
                    kLoadShares[j]);
      out_.losses[j] = attempt([&] { return Figure::shown(formatFixed(points[j].losses, 2)); });
      out_.efficiency[j] =
          points[j].efficiency
              ? attempt([&] { return Figure::shown(formatFixed(*points[j].efficiency, 1)); })
              : Figure::empty(kNoInputPower);
    }
    if (missing) {
      out_.averageEfficiency = Figure::empty(*missing);
    } else if (std::optional<double> average = averageEfficiency(points)) {
      out_.averageEfficiency = attempt([&] { return Figure::shown(formatFixed(*average, 1)); });
      if (!out_.averageEfficiency.text.empty()) average_ = *average;
    } else {
      out_.averageEfficiency = Figure::empty(kNoInputPower);
    }
    noLoadPower();
  }

  void noLoadPower() {
    const Reading current = d_.noLoadCurrent.text.empty() ? Reading::none(d_.noLoadCurrent.reason)
                                                          : Reading::of(Val(d_.noLoadCurrent.text));
    out_.noLoadInputPower = figure({&d_.ironLoss, &current, &d_.primaryResistance}, [&] {
      noLoad_ = noLoadInputPower(*d_.ironLoss.value, *current.value, *d_.primaryResistance.value);
      return formatFixed(*noLoad_, 3);
    });
    if (out_.noLoadInputPower.text.empty()) noLoad_.reset();
  }

  void adapterLevel() {
    const AdapterClass kind = adapterClass(ratings_);
    out_.adapterClass = Figure::shown(std::string(limitsOf(kind).name));
    out_.requiredEfficiency = attempt(
        [&] { return Figure::shown(formatFixed(100 * requiredEfficiency(kind, nameplate_), 1)); });
    out_.requiredNoLoadPower = attempt(
        [&] { return Figure::shown(formatFixed(requiredNoLoadPower(kind, nameplate_), 3)); });
    if (!average_ || !noLoad_) {
      out_.adapterVerdict =
          Figure::empty(!average_ ? out_.averageEfficiency.reason : out_.noLoadInputPower.reason);
      return;
    }
    out_.adapterVerdict =
        Figure::shown(adapterVerdict(kind, nameplate_, *average_ / 100, *noLoad_));
  }

  // A figure of readings that must all have values; `text` works it out.
  template <class Text>
  Figure figure(std::initializer_list<const Reading*> readings, Text text) {
    if (const std::string* missing = firstMissing(readings)) return Figure::empty(*missing);
    return attempt([&] { return Figure::shown(text()); });
  }

  const DesignReading& d_;
  OperatingFigures& out_;
  std::vector<GroupRating> ratings_;
  double nameplate_ = 0;
  std::optional<double> average_;
  std::optional<double> noLoad_;
};

}  // namespace

OperatingFigures operatingFigures(const DesignReading& design) {
  OperatingFigures figures;
  Analysis(design, figures).run();
  return figures;
}

std::string verdictText(winding::Verdict verdict) {
  switch (verdict) {
    case winding::Verdict::Dangerous:
      return "严重警告";
    case winding::Verdict::Overheating:
      return "过热";
    case winding::Verdict::Safe:
      break;
  }
  return "安全";
}

}  // namespace corvane::operating
