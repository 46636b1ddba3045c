// The model's elements from a plain description: what a simulator needs to
// reproduce the design's no-load figures, and the designs it refuses.
#include "spice/transformer_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "spice/netlist_text.h"
#include "spice/plain_design.h"

namespace corvane::testing {
namespace {

using spice::buildTransformerModel;
using spice::Coil;
using spice::TransformerModel;

const Coil& coilNamed(const TransformerModel& m, const std::string& name) {
  for (const Coil& coil : m.coils)
    if (coil.name == name) return coil;
  throw std::out_of_range(name);
}

double couplingOf(const TransformerModel& m, const std::string& a, const std::string& b) {
  for (const spice::Coupling& c : m.couplings)
    if (m.coils[c.first].name == a && m.coils[c.second].name == b) return c.k;
  throw std::out_of_range(a + b);
}

// Primary 1 alone at U1 draws I0 through Lm and Rc; every other winding then
// shows U1 Ni/N1: its mutual inductance with primary 1, k1i √(L1 Li), is Lm
// Ni/N1 whatever its leakage, in either slot.
TEST(TransformerModel, NoLoadFiguresAreTheDesigns) {
  spice::TransformerDescription d = spice::plainDesign();
  addSecondary(d, 60, 1);                   // over the primary
  addSecondary(d, 90, 1.5, "全桥电容", 2);  // in the other slot
  addSecondary(d, 40, 0.8, "全桥电容", 2);
  Outcome<TransformerModel> m = buildTransformerModel(d);
  ASSERT_TRUE(m) << m.reason();
  const double lm = m->magnetisingInductance;
  // Iμ = √(0.05² − 0.01²)
  EXPECT_NEAR(m->magnetisingCurrent, std::sqrt(0.0024), 1e-15);
  EXPECT_NEAR(lm, 220 / (2 * 3.141592653589793 * 50 * std::sqrt(0.0024)), 1e-12);
  EXPECT_NEAR(m->coreLossResistance, 22000, 1e-9);
  EXPECT_DOUBLE_EQ(coilNamed(m.value(), "P1").inductance, lm);
  for (const auto& [name, turns] : {std::pair{"S1", 60.0}, {"S2", 90.0}, {"S3", 40.0}}) {
    const double mutual =
        couplingOf(m.value(), "P1", name) * std::sqrt(lm * coilNamed(m.value(), name).inductance);
    EXPECT_NEAR(mutual, lm * turns / 1000, lm * 1e-12) << name;
  }
  // the windings side by side are less tightly coupled than the concentric one
  EXPECT_LT(couplingOf(m.value(), "P1", "S2"), couplingOf(m.value(), "P1", "S1"));
  EXPECT_EQ(m->pins,
            (std::vector<std::string>{"P1A", "P1B", "S1A", "S1B", "S2A", "S2B", "S3A", "S3B"}));
}

// A full-wave group's winding has its centre tap: two halves of half the
// turns and resistance, in series through the tap pin, each coupled to
// primary 1 like the whole winding.
TEST(TransformerModel, FullWaveWindingIsTwoHalvesAroundItsCentreTap) {
  spice::TransformerDescription d = spice::plainDesign();
  addSecondary(d, 101, 2, "全波电容");
  Outcome<TransformerModel> m = buildTransformerModel(d);
  ASSERT_TRUE(m) << m.reason();
  EXPECT_EQ(m->pins, (std::vector<std::string>{"P1A", "P1B", "S1A", "S1B", "S1M"}));
  const Coil& first = coilNamed(m.value(), "S1A");
  const Coil& second = coilNamed(m.value(), "S1B");
  EXPECT_EQ(first.from + "-" + first.to + " " + second.from + "-" + second.to, "S1A-S1M S1M-S1B");
  EXPECT_DOUBLE_EQ(first.turns, 50.5);
  EXPECT_DOUBLE_EQ(first.resistance, 0.25);
  EXPECT_DOUBLE_EQ(couplingOf(m.value(), "P1", "S1A"), couplingOf(m.value(), "P1", "S1B"));
  EXPECT_GT(couplingOf(m.value(), "S1A", "S1B"), couplingOf(m.value(), "P1", "S1A"));
}

TEST(TransformerModel, RefusesWhatTheLinearModelCannotHold) {
  struct Case {
    const char* what;
    void (*change)(spice::TransformerDescription&);
    const char* reasonStart;
  };
  const Case cases[] = {
      {"saturated core", [](auto& d) { d.saturated = true; }, "铁芯已饱和"},
      {"no no-load current", [](auto& d) { d.noLoadCurrent = 0; }, "没有空载电流I0"},
      // I0 no larger than the iron-loss current leaves no magnetising current
      {"I0 = Pc/U1", [](auto& d) { d.noLoadCurrent = 0.01; }, "空载电流I0不大于铁损电流"},
      {"winding without turns", [](auto& d) { d.windings[1].turns = 0; }, "绕组“N2”的匝数"},
      {"no bobbin type", [](auto& d) { d.slotChosen = false; }, "未选择骨架形式"},
      {"no slot width", [](auto& d) { d.slotWidth1 = 0; }, "骨架槽宽"},
      // a tiny Lm: 100 A of magnetising current
      {"leakage beyond Lm", [](auto& d) { d.noLoadCurrent = 100; }, "绕组“N1”与“N2”之间的漏感"},
      {"unknown rectifier", [](auto& d) { d.groups[0].circuit = "倍压"; }, "输出组“W1”的整流电路"},
  };
  for (const Case& c : cases) {
    spice::TransformerDescription d = spice::plainDesign();
    addSecondary(d, 60, 1);
    c.change(d);
    Outcome<TransformerModel> m = buildTransformerModel(d);
    ASSERT_FALSE(m) << c.what;
    EXPECT_EQ(m.reason().rfind(c.reasonStart, 0), 0u) << c.what << ": " << m.reason();
  }
}

// Values a double cannot hold end in a refusal, never in an infinite or
// undefined element.
TEST(TransformerModel, OverflowIsRefusedNotWritten) {
  using Change = void (*)(spice::TransformerDescription&);
  const Change changes[] = {
      // Li = Lm (Ni/N1)² beyond a double
      [](spice::TransformerDescription& d) { d.windings[1].turns = 1e200; },
      // Lm = U1 / (2π f Iμ) beyond a double
      [](spice::TransformerDescription& d) { d.frequency = 1e-320; },
      // the mean of two mean turn lengths beyond a double
      [](spice::TransformerDescription& d) {
        d.windings[0].meanTurnLength = 1e308;
        d.windings[1].meanTurnLength = 1e308;
      },
  };
  for (Change change : changes) {
    spice::TransformerDescription d = spice::plainDesign();
    addSecondary(d, 60, 1);
    change(d);
    Outcome<TransformerModel> m = buildTransformerModel(d);
    ASSERT_FALSE(m);
    EXPECT_EQ(m.reason(), spice::kValueOutOfRange);
  }
}

// Three windings whose pairs cannot all be as tightly coupled as stated.
TEST(TransformerModel, ContradictoryCouplingsAreNotPositiveDefinite) {
  EXPECT_TRUE(spice::isPositiveDefinite({{1, 0.999, 0.998}, {0.999, 1, 0.999}, {0.998, 0.999, 1}}));
  EXPECT_FALSE(spice::isPositiveDefinite({{1, 0.999, 0.9}, {0.999, 1, 0.999}, {0.9, 0.999, 1}}));
}

}  // namespace
}  // namespace corvane::testing
