#include "spice/transformer_model.h"

#include <cmath>
#include <numbers>

#include "model/value.h"
#include "spice/leakage.h"
#include "spice/netlist_text.h"
#include "spice/rectifier_wiring.h"

namespace corvane::spice {

namespace {

constexpr double kOhmPerMilliohm = 0.001;

bool positive(double value) {
  return std::isfinite(value) && value > 0;
}

// The reasons a design has no model; each completes "无法导出SPICE模型：…。".
// A name of the design stands quoted, so the words around it read the same
// whatever the name.
std::string saturatedReason(const TransformerDescription& d) {
  return "铁芯已饱和：磁通密度Bm " + generalFormat(d.fluxDensity) + " T 超过钢材“" + d.grade +
         "”的饱和点，线性模型不成立";
}
constexpr const char* kNoNoLoadCurrent = "没有空载电流I0，请先运行参数仿真";
constexpr const char* kNoMagnetisingCurrent =
    "空载电流I0不大于铁损电流Pc/U1，求不出励磁电流和励磁电感";
constexpr const char* kNoSupply = "初级电压U1或频率f不是正数";
constexpr const char* kNoSlot = "未选择骨架形式，绕组在骨架中的位置不定";
constexpr const char* kNoSlotWidth = "骨架槽宽或铁芯窗口宽度不是正数";
constexpr const char* kOutOfRange = kValueOutOfRange;
constexpr const char* kContradictoryCouplings = "绕组之间的耦合系数互相矛盾（耦合矩阵不正定）";

std::string windingReason(const WindingDescription& w) {
  return "绕组“" + w.label + "”的匝数、热阻、厚度或匝长不是正数（请先运行参数仿真）";
}
std::string leakageReason(const WindingDescription& a, const WindingDescription& b) {
  return "绕组“" + a.label + "”与“" + b.label + "”之间的漏感不小于励磁电感";
}

// The coils of the windings, named and pinned, with their turns and resistance.
void addCoils(const TransformerDescription& d, TransformerModel& m) {
  int primaries = 0, secondaries = 0;
  for (std::size_t i = 0; i < d.windings.size(); ++i) {
    const WindingDescription& w = d.windings[i];
    const bool primary = w.role == WindingRole::Primary;
    const std::string name =
        (primary ? "P" : "S") + std::to_string(primary ? ++primaries : ++secondaries);
    m.windingNames.push_back(name);
    const double resistance = w.hotResistance * kOhmPerMilliohm;
    auto coil = [&](int half, std::string suffix, std::string from, std::string to, double share) {
      m.coils.push_back({i, half, name + suffix, std::move(from), std::move(to), w.turns * share, 0,
                         resistance * share});
    };
    m.pins.push_back(name + "A");
    m.pins.push_back(name + "B");
    if (isCentreTapped(d, w)) {
      m.pins.push_back(name + "M");
      coil(1, "A", name + "A", name + "M", 0.5);
      coil(2, "B", name + "M", name + "B", 0.5);
    } else {
      coil(0, "", name + "A", name + "B", 1);
    }
  }
}

}  // namespace

std::vector<std::string> fixedModelReasons() {
  return {kNoNoLoadCurrent, kNoMagnetisingCurrent,  kNoSupply, kNoSlot, kNoSlotWidth,
          kOutOfRange,      kContradictoryCouplings};
}

bool isCentreTapped(const TransformerDescription& design, const WindingDescription& winding) {
  if (winding.role != WindingRole::Secondary || winding.group < 0 ||
      winding.group >= static_cast<int>(design.groups.size()))
    return false;
  const RectifierWiring* wiring =
      findRectifierWiring(design.groups[static_cast<std::size_t>(winding.group)].circuit);
  return wiring && wiring->rectifier == Rectifier::CentreTap;
}

bool isPositiveDefinite(std::vector<std::vector<double>> a) {
  const std::size_t n = a.size();
  for (std::size_t j = 0; j < n; ++j) {
    double diagonal = a[j][j];
    for (std::size_t k = 0; k < j; ++k) diagonal -= a[j][k] * a[j][k];
    if (!(diagonal > 0)) return false;
    a[j][j] = std::sqrt(diagonal);
    for (std::size_t i = j + 1; i < n; ++i) {
      double sum = a[i][j];
      for (std::size_t k = 0; k < j; ++k) sum -= a[i][k] * a[j][k];
      a[i][j] = sum / a[j][j];
    }
  }
  return true;
}

Outcome<TransformerModel> buildTransformerModel(const TransformerDescription& d) {
  if (d.saturated) return Failure{saturatedReason(d)};
  if (!positive(d.noLoadCurrent)) return Failure{kNoNoLoadCurrent};
  if (!positive(d.inputVoltage1) || !positive(d.frequency)) return Failure{kNoSupply};
  if (!std::isfinite(d.ironLoss) || d.ironLoss < 0) return Failure{kOutOfRange};
  if (d.windings.empty() || d.windings.front().role != WindingRole::Primary)
    return Failure{kOutOfRange};
  if (!d.slotChosen) return Failure{kNoSlot};

  TransformerModel m;
  const double lossCurrent = d.ironLoss / d.inputVoltage1;
  const double squared = d.noLoadCurrent * d.noLoadCurrent - lossCurrent * lossCurrent;
  if (!positive(squared)) return Failure{kNoMagnetisingCurrent};
  m.magnetisingCurrent = std::sqrt(squared);
  m.magnetisingInductance =
      d.inputVoltage1 / (2 * std::numbers::pi * d.frequency * m.magnetisingCurrent);
  if (d.ironLoss > 0) m.coreLossResistance = d.inputVoltage1 * d.inputVoltage1 / d.ironLoss;
  if (!positive(m.magnetisingInductance) || !std::isfinite(m.coreLossResistance))
    return Failure{kOutOfRange};

  bool sideBySide = false;
  for (const WindingDescription& w : d.windings) {
    if (!positive(w.turns) || !positive(w.hotResistance) || !positive(w.thickness) ||
        !positive(w.meanTurnLength))
      return Failure{windingReason(w)};
    if (w.role == WindingRole::Secondary) {
      if (w.group < 0 || w.group >= static_cast<int>(d.groups.size()))
        return Failure{"绕组“" + w.label + "”没有对应的输出组"};
      const OutputGroupDescription& g = d.groups[static_cast<std::size_t>(w.group)];
      if (!findRectifierWiring(g.circuit))
        return Failure{"输出组“" + g.label + "”的整流电路“" + g.circuit + "”未知"};
    }
    if (!positive(w.slot == 2 ? d.slotWidth2 : d.slotWidth1)) return Failure{kNoSlotWidth};
    sideBySide = sideBySide || w.slot != d.windings.front().slot;
  }
  if (sideBySide && !positive(d.windowWidth)) return Failure{kNoSlotWidth};

  addCoils(d, m);
  const double primaryTurns = d.windings.front().turns;
  const double lm = m.magnetisingInductance;
  const std::size_t n = m.coils.size();
  // the leakage of every pair, referred to primary 1 (coil 0)
  std::vector<std::vector<double>> leakage(n, std::vector<double>(n, 0.0));
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = i + 1; j < n; ++j) {
      const Coil& a = m.coils[i];
      const Coil& b = m.coils[j];
      const WindingDescription& wa = d.windings[a.winding];
      const WindingDescription& wb = d.windings[b.winding];
      const LeakageChannel channel =
          a.winding == b.winding ? channelBetweenHalves(d, wa) : channelBetween(d, wa, wb);
      leakage[i][j] = leakageInductance(primaryTurns, channel);
      if (!positive(leakage[i][j])) return Failure{kOutOfRange};
      if (leakage[i][j] >= lm) return Failure{leakageReason(wa, wb)};
    }
  // each coil's coupling to primary 1; its inductance carries 1/k1i², so
  // that the open-circuit voltage is U1 Ni/N1 and the pair's leakage stays
  // L1 (1 − k1i²) = Llk
  std::vector<double> toPrimary(n, 1.0);
  for (std::size_t i = 1; i < n; ++i) toPrimary[i] = std::sqrt(1 - leakage[0][i] / lm);
  std::vector<std::vector<double>> k(n, std::vector<double>(n, 1.0));
  for (std::size_t i = 0; i < n; ++i) {
    Coil& coil = m.coils[i];
    coil.inductance = lm * std::pow(coil.turns / primaryTurns, 2) / (toPrimary[i] * toPrimary[i]);
    if (!positive(coil.inductance) || !positive(coil.resistance)) return Failure{kOutOfRange};
    for (std::size_t j = i + 1; j < n; ++j) {
      const double coefficient =
          i == 0 ? toPrimary[j] : std::sqrt(1 - leakage[i][j] * toPrimary[i] * toPrimary[j] / lm);
      if (!positive(coefficient)) return Failure{kOutOfRange};
      m.couplings.push_back({i, j, leakage[i][j], coefficient});
      k[i][j] = k[j][i] = coefficient;
    }
  }
  if (!isPositiveDefinite(k)) return Failure{kContradictoryCouplings};
  return m;
}

}  // namespace corvane::spice
