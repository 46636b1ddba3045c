#include "model/formulas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/control.h"
#include "model/form.h"
#include "model/formula_table.h"
#include "model/shared_values.h"
#include "model/standard_wire_diameters.h"
#include "model/value.h"
#include "model/workspace.h"
#include "support/fake_host.h"

namespace corvane {
namespace {

namespace f = formulas;

// ---- every formula through the script registry: ID, argument texts, printed text

struct EvalCase {
  const char* id;
  std::vector<std::string> args;
  const char* printed;
};

std::ostream& operator<<(std::ostream& out, const EvalCase& c) {
  out << c.id;
  for (const std::string& arg : c.args) out << " " << arg;
  return out << " -> " << c.printed;
}

class FormulaEval : public ::testing::TestWithParam<EvalCase> {};

TEST_P(FormulaEval, PrintsTheExpectedText) {
  SharedValues shared;
  const EvalCase& c = GetParam();
  EXPECT_EQ(evalText(c.id, c.args, shared), c.printed);
}

// clang-format off
const EvalCase kTurnsAndWire[] = {
    {"F1", {"220", "50", "1.5", "10"}, "661"},              // 660.66
    {"F1", {"220V", "50Hz", "1.5T", "10cm^2"}, "661"},      // units after the numbers
    {"F1", {"220", "0", "1.5", "10"}, "(empty)"},
    {"F1", {"220", "50", "", "10"}, "(empty)"},
    {"F1", {"0.293262", "1", "1", "1"}, "660"},             // exactly 660.5: to even
    {"F1", {"0.293706", "1", "1", "1"}, "662"},             // exactly 661.5: to even
    {"F1", {"220", "-50", "1.5", "10"}, "-661"},
    {"F2", {"1", "4"}, "0.565"},
    {"F2", {"1", "0"}, "(empty)"},
    {"F2", {"1", "-4"}, "(empty)"},
    {"F2", {"-1", "4"}, "(error)"},                         // root of a negative section
    {"F18", {"50", "1.5", "10", "220"}, "660.66"},
    {"F18", {"50", "1.5", "0", "220"}, "(empty)"},
    {"F26", {"50", "1.5", "220", "10"}, "660.66"},
    {"F26", {"0", "1.5", "220", "10"}, "(empty)"},
    {"F27", {"50", "1.5", "10"}, "3.003003003003"},
    {"F27", {"0", "1.5", "10"}, "(empty)"},
    {"F27", {"50", "-1.5", "10"}, "(empty)"},
    {"F19", {"1.11", "1.5", "50", "10", "12"}, "4.00"},     // 3.996 V from 12 turns
};

// The primary of a single-slot design: 0.5 mm 2UEW, 100 turns, 85.3 mm mean turn.
const EvalCase kWindingRow[] = {
    {"F6", {"100", "38"}, "2.6"},
    {"F6", {"100", "0"}, "(empty)"},
    {"F6", {"100", "-38"}, "(empty)"},
    {"F8", {"80", "0", "1.7"}, "85.3"},
    {"F9", {"8530", "0.19625"}, "14.982"},
    {"F3", {"85.3", "100", "0.19625"}, "778.0"},
    {"F3", {"85.3", "100", "0"}, "(empty)"},
    {"F4", {"25", "45", "778.0"}, "931.0"},
    {"F10", {"931.0", "0.45"}, "0.42"},
    {"F11", {"220", "0.42"}, "219.58"},
    {"F13", {"931.0", "0.45"}, "0.189"},
    {"F12", {"50", "100", "219.58", "0.5"}, "109.29"},
    {"F12", {"50", "-100", "219.58", "0.5"}, "-110.29"},
    {"F12", {"50", "0", "219.58", "0.5"}, "(empty)"},
    {"F14", {"12", "12.6"}, "5.00"},
    {"F14", {"0", "12.6"}, "(empty)"},
    {"F16", {"10", "10", "1"}, "127"},                      // 127.39 truncated
    {"F16", {"1.57", "1", "0.2"}, "50"},                    // whole in decimal
    {"F16", {"10", "10", "0"}, "(empty)"},
    {"F17", {"1", "1.57"}, "2.00"},
    {"F17", {"0", "1.57"}, "(empty)"},
    {"F24", {"20", }, "1.96"},
    {"F24", {"120"}, "2.73"},
};

const EvalCase kGenericRatios[] = {
    {"F21", {"1", "1", "1", "1", "1"}, "12250"},
    {"F21", {"1", "1", "1", "0", "1"}, "(empty)"},
    {"F21", {"1", "1", "1", "-1", "1"}, "(empty)"},
    {"F21", {"1", "-1", "1", "1", "1"}, "(error)"},
    {"F22", {"1", "1", "1", "2", "3", "0.5"}, "1.50"},
    {"F22", {"1", "1", "1", "2", "0", "0.5"}, "(empty)"},
    {"F23", {"-8", "2", "1"}, "2.000"},
    {"F23", {"8", "2", "-1"}, "(empty)"},
    {"F25", {"1", "1", "1", "1", "1", "2"}, "5.000"},
    {"F25", {"1", "1", "1", "1", "1", "0"}, "(empty)"},
    {"F25", {"1", "1", "1", "1", "-1", "2"}, "(empty)"},
};

const EvalCase kWireConversion[] = {
    {"M1", {"1.0", "0.1"}, "100"},
    {"M1", {"1.0", "0"}, "(empty)"},
    {"M2", {"1", "100"}, "0.10"},
    {"M2", {"1", "0"}, "(empty)"},
    {"M2", {"1", "-4"}, "(error)"},
    {"M3", {"1"}, "0.785"},
    {"M3", {"2"}, "3.142"},                                 // 3.1415: half away from zero
    {"M4", {"1", "1", "1000", "0.0175"}, "0.022293"},
    {"M4", {"0", "1", "1000", "0.0175"}, "(empty)"},
    {"M5", {"1", "1", "1000", "8.95"}, "7.025750"},
    {"M6", {"2", "0.1"}, "20.000"},
    {"M6", {"2", "0"}, "(empty)"},
    {"M7", {"8.95", "2", "1000"}, "17.900"},
    {"M8", {"0.0175", "2", "1000"}, "0.008750"},
    {"M8", {"0.0175", "0", "1000"}, "(empty)"},
    {"M9", {"20"}, "0.81mm"},
    {"M9", {"10"}, "2.56mm"},
    {"M9", {"40"}, "0.08mm"},
    {"M9", {"0"}, "(empty)"},
    {"M9", {"-3"}, "(empty)"},
    {"M10", {"1"}, "18.2# "},
    {"M10", {"0.5"}, "24.2# "},
    {"M10", {"2.569436942021518"}, "10.0# "},               // 10.1 if read in double
    {"M10", {"0"}, "(empty)"},
    {"M10", {"-1"}, "(empty)"},
    {"M11", {"12.5", "1", "0.25"}, "1.333"},
    {"M11", {"12.5", "0", "0.25"}, "(empty)"},
    {"M11", {"12.5", "1", "0"}, "(empty)"},
};

// Overflow and unguarded divisions end the recalculation.
const EvalCase kArithmeticErrors[] = {
    {"F9", {"1e200", "1e200"}, "(error)"},
    {"F1", {"1e300", "1e-300", "1", "1"}, "(error)"},
    {"F5", {"30", "0.5", "2UEW", "0"}, "(error)"},           // zero strands
    {"F27", {"1e300", "1e300", "1"}, "(error)"},             // 10000 / overflow
    {"M10", {"1e39"}, "(error)"},                            // beyond single precision
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(TurnsAndWire, FormulaEval, ::testing::ValuesIn(kTurnsAndWire));
INSTANTIATE_TEST_SUITE_P(WindingRow, FormulaEval, ::testing::ValuesIn(kWindingRow));
INSTANTIATE_TEST_SUITE_P(GenericRatios, FormulaEval, ::testing::ValuesIn(kGenericRatios));
INSTANTIATE_TEST_SUITE_P(WireConversion, FormulaEval, ::testing::ValuesIn(kWireConversion));
INSTANTIATE_TEST_SUITE_P(ArithmeticErrors, FormulaEval, ::testing::ValuesIn(kArithmeticErrors));

// ---- standard wire diameters

struct WireSizeCase {
  const char* computed;
  const char* standard;
};

class StandardWire : public ::testing::TestWithParam<WireSizeCase> {};

TEST_P(StandardWire, RoundsUpToTheNextStandardSize) {
  EXPECT_EQ(f::StandardWireDiameter(GetParam().computed).text(), GetParam().standard);
}

// clang-format off
const WireSizeCase kWireSizes[] = {
    {"0.305", "0.30"}, {"0.30", "0.30"}, {"0.46", "0.45"}, {"3.3", "3.30"},
    {"0.03", "0.03"}, {"1", "1.00"}, {"0", "0.03"}, {"0.031", "0.04"},
    {"0.72", "0.70"}, {"0.73", "0.75"}, {"1.7", "1.70"}, {"1.71", "1.72"},
    {"3.25", "3.20"}, {"3.26", "3.26"}, {"3.255", "3.26"}, {"12", "12.00"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Sizes, StandardWire, ::testing::ValuesIn(kWireSizes));

TEST(StandardWireTable, ThresholdsAndSizesAscendAndEachSizeServesItsBand) {
  const auto& rows = kStandardWireDiameters;
  for (size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_LE(rows[i].diameter, rows[i].upTo) << i;
    if (i == 0) continue;
    EXPECT_LT(rows[i - 1].upTo, rows[i].upTo) << i;
    EXPECT_LT(rows[i - 1].diameter, rows[i].diameter) << i;
    // a size is never below the band it takes over from
    EXPECT_GE(rows[i].diameter, rows[i - 1].diameter) << i;
  }
  // past the last threshold the computed diameter stands
  EXPECT_EQ(f::StandardWireDiameter(rows[std::size(rows) - 1].upTo + 0.01).text(),
            formatFixed(rows[std::size(rows) - 1].upTo + 0.01, 2));
}

// ---- turns per layer and build: layer factor and shared insulation allowance

class LayoutFormulas : public ::testing::Test {
 protected:
  double layerFactor() const { return shared.gWireLayerFactor.num(ws); }

  testing::FakeHost host;
  Workspace ws{host};
  SharedValues shared;
};

TEST_F(LayoutFormulas, TurnsPerLayerOfThickEnamelledWire) {
  FormulaResult turns = f::TurnsPerLayer(shared, 30, 0.5, "2uew", 1);  // 57.14
  EXPECT_EQ(turns, FormulaResult::ofNumber(57));
  EXPECT_EQ(turns.fieldText(), "57");
  EXPECT_EQ(layerFactor(), 1.05);
  EXPECT_EQ(shared.wireInsulation, 0);
}

TEST_F(LayoutFormulas, ThinWireBoundaryBelongsToTheThinSide) {
  EXPECT_EQ(f::TurnsPerLayer(shared, 30, "0.15", "2UEW", 1).number(), 173);  // 30 / 0.15 / 1.15
  EXPECT_EQ(layerFactor(), 1.15);
  EXPECT_EQ(f::TurnsPerLayer(shared, 30, "0.16", "2UEW", 1).number(), 178);  // 30 / 0.16 / 1.05
  EXPECT_EQ(layerFactor(), 1.05);
  EXPECT_EQ(f::WindingBuild(shared, 10, "0.15", "2UEW").text(), "2.1");  // 0.175 × 10 × 1.2
  EXPECT_EQ(layerFactor(), 1.15);
  EXPECT_EQ(f::WindingBuild(shared, 10, "0.16", "2UEW").text(), "2.0");  // 0.185 × 10 × 1.1
  EXPECT_EQ(layerFactor(), 1.05);
}

TEST_F(LayoutFormulas, TurnsPerLayerCountsStrandsSideBySide) {
  EXPECT_EQ(f::TurnsPerLayer(shared, 30, 0.5, "2UEW", 2).number(), 28);  // 57.14 / 2
  EXPECT_EQ(f::TurnsPerLayer(shared, 20, 0.5, "1UEW", 1).number(), 37);  // 20 / 0.51 / 1.05
}

TEST_F(LayoutFormulas, WholeTurnsInDecimalAreNotLostToBinaryRounding) {
  // 12.6 / 0.2 / 1.05 is 60 in decimal, 59.999999999999993 in binary
  EXPECT_EQ(f::TurnsPerLayer(shared, 12.6, 0.2, "2UEW", 1).number(), 60);
}

TEST_F(LayoutFormulas, EmptyWhenTheInsulatedDiameterIsNotPositiveButFactorIsSet) {
  EXPECT_TRUE(f::TurnsPerLayer(shared, 30, "", "2UEW", 1).isEmpty());
  EXPECT_EQ(layerFactor(), 1.15);
  EXPECT_TRUE(f::TurnsPerLayer(shared, 30, -0.5, "TRIPLE", 1).isEmpty());  // -0.5 + 0.2
  EXPECT_FALSE(f::TurnsPerLayer(shared, 30, -0.1, "TRIPLE", 1).isEmpty());
}

TEST_F(LayoutFormulas, ZeroStrandsIsAnArithmeticErrorAfterTheFactorIsSet) {
  EXPECT_THROW(f::TurnsPerLayer(shared, 30, 0.1, "1UEW", 0), RecalcAbort);
  EXPECT_EQ(layerFactor(), 1.15);
  EXPECT_EQ(shared.wireInsulation, 0.01);
}

TEST_F(LayoutFormulas, BuildOfLayers) {
  EXPECT_EQ(f::WindingBuild(shared, 10, 0.45, "1UEW").text(), "5.5");  // 0.5 × 10 × 1.1
  EXPECT_EQ(shared.wireInsulation, 0.05);
  EXPECT_EQ(f::WindingBuild(shared, "3", "0.5", "2UEW").text(), "1.7");  // 0.525 × 3 × 1.1
  EXPECT_EQ(f::WindingBuild(shared, "", "0.5", "2UEW").text(), "0.0");
}

TEST_F(LayoutFormulas, EachFormulaUsesItsOwnInsulationTable) {
  struct Row {
    const char* type;
    double layer, build;
  };
  // clang-format off
  const Row rows[] = {{"2UEW", 0, 0.025}, {"1uew", 0.01, 0.05}, {"Triple", 0.2, 0.2},
                      {"cu.foil", 0.05, 0.05}};
  // clang-format on
  for (const Row& row : rows) {
    f::TurnsPerLayer(shared, 30, 0.5, row.type, 1);
    EXPECT_EQ(shared.wireInsulation, row.layer) << row.type;
    f::WindingBuild(shared, 1, 0.5, row.type);
    EXPECT_EQ(shared.wireInsulation, row.build) << row.type;
  }
}

TEST_F(LayoutFormulas, UnknownWireTypeKeepsTheAllowanceOfThePreviousCall) {
  // before any call the allowance is 0
  EXPECT_EQ(f::TurnsPerLayer(shared, 30, 0.3, "LITZ", 1).number(), 95);  // 30 / 0.3 / 1.05
  // the build formula's TRIPLE allowance carries over into turns per layer
  f::WindingBuild(shared, 1, 0.3, "TRIPLE");
  EXPECT_EQ(f::TurnsPerLayer(shared, 30, 0.3, "LITZ", 1).number(), 57);  // 30 / 0.5 / 1.05
  // and the build formula's 2UEW allowance into turns per layer
  f::WindingBuild(shared, 1, 0.3, "2UEW");
  EXPECT_EQ(f::TurnsPerLayer(shared, 32.5, 0.3, "USTC", 1).number(), 95);  // 32.5/0.325/1.05
  // F5's own 2UEW (0) then carries into the build
  f::TurnsPerLayer(shared, 30, 0.3, "2UEW", 1);
  EXPECT_EQ(f::WindingBuild(shared, 10, 0.5, "1PEW").text(), "5.5");   // 0.5 × 10 × 1.1
  EXPECT_EQ(f::WindingBuild(shared, 10, 0.5, " 2UEW").text(), "5.5");  // not a known type
}

TEST_F(LayoutFormulas, RegistryCallsShareTheAllowance) {
  EXPECT_EQ(evalText("F7", {"10", "0.3", "TRIPLE"}, shared), "5.5");
  EXPECT_EQ(evalText("F5", {"30", "0.3", "LITZ", "1"}, shared), "57");
  EXPECT_EQ(shared.gWireLayerFactor.text(ws), "1.05");
}

// ---- skin effect once the skin depth reaches the wire's axis

TEST(SkinEffect, WholeSectionConductsWhenTheSkinDepthReachesTheAxis) {
  EXPECT_EQ(f::SkinEffectRatio(0, 1, 0.45).text(), "1.010");  // core 0.1 of 1 mm: 1 / 0.99
  EXPECT_EQ(f::SkinEffectRatio(0, 1, 0.5).text(), "1.000");
  EXPECT_EQ(f::SkinEffectRatio(0, 1, 1).text(), "1.000");     // no division by a zero rim
  EXPECT_EQ(f::SkinEffectRatio(0, 1, 2.09).text(), "1.000");  // 1 kHz: never negative
}

// ---- argument and result types

TEST(FormulaArgument, ReadsNumbersAndTextsAlike) {
  EXPECT_EQ(FormulaArg(2).num(), 2);
  EXPECT_EQ(FormulaArg(2.5).num(), 2.5);
  EXPECT_EQ(FormulaArg(std::size_t{3}).num(), 3);
  EXPECT_EQ(FormulaArg("35.5W").num(), 35.5);
  EXPECT_EQ(FormulaArg(std::string(" 12")).num(), 12);
  EXPECT_EQ(FormulaArg(std::string_view("abc")).num(), 0);
  EXPECT_EQ(FormulaArg("2uew").text(), "2uew");
  EXPECT_EQ(FormulaArg(0.5).text(), "0.5");
  const char* none = nullptr;
  EXPECT_EQ(FormulaArg(none).text(), "");
}

class ArgumentForm : public Form {
 public:
  explicit ArgumentForm(Workspace& ws) : Form(ws, "frmArgs", "args") {
    addControl("TxtF", ControlKind::TextBox, {.text = "50Hz"});
  }
};

TEST(FormulaArgument, ReadsAControlsText) {
  testing::FakeHost host;
  Workspace ws{host};
  ArgumentForm form(ws);
  Control& frequency = form.control("TxtF");
  EXPECT_EQ(f::TurnsFromVoltage(220, frequency, "1.5", 10).fieldText(), "661");
  EXPECT_EQ(FormulaArg(frequency).text(), "50Hz");
}

TEST(FormulaResultKinds, FieldTextOfEachKind) {
  EXPECT_EQ(FormulaResult().fieldText(), "");
  EXPECT_TRUE(FormulaResult().isEmpty());
  EXPECT_EQ(FormulaResult::ofNumber(3.003003003003003).fieldText(), "3.003003003003");
  EXPECT_EQ(FormulaResult::ofText("0.30").fieldText(), "0.30");
  EXPECT_EQ(FormulaResult::ofText("0.81mm").num(), 0.81);
  EXPECT_EQ(f::TurnsPerVolt(50, 1.5, 10).kind(), FormulaResult::Kind::Number);
  EXPECT_EQ(f::WireDiameterFromCurrent(1, 4).kind(), FormulaResult::Kind::Text);
}

// ---- registry

// IDs F1..F27 (there is no F15), then M1..M11, each found by its ID.
TEST(FormulaRegistry, IdsAscendByFamilyAndAreFoundByName) {
  std::string family = "F";
  int previous = 0;
  for (const FormulaEntry& entry : formulaTable()) {
    const std::string id(entry.id);
    const std::string prefix = id.substr(0, 1);
    const int number = std::stoi(id.substr(1));
    if (prefix != family) {
      EXPECT_EQ(family, "F") << id;
      EXPECT_EQ(prefix, "M") << id;
      family = prefix;
      previous = 0;
    }
    EXPECT_GT(number, previous) << id;
    EXPECT_NE(id, "F15");
    previous = number;
    EXPECT_EQ(findFormula(entry.id), &entry);
    EXPECT_GT(entry.argumentCount, 0) << id;
  }
  EXPECT_EQ(family, "M");
  EXPECT_EQ(findFormula("f1"), nullptr);
}

// A field of letters reads 0: every formula evaluates letters exactly as zeros.
TEST(FormulaRegistry, LettersEvaluateAsZeros) {
  for (const FormulaEntry& entry : formulaTable()) {
    SharedValues lettered, zeroed;
    std::vector<std::string> letters(entry.argumentCount, "abc");
    std::vector<std::string> zeros(entry.argumentCount, "0");
    if (entry.id == "F5" || entry.id == "F7") letters[2] = zeros[2] = "2UEW";  // the wire type
    EXPECT_EQ(evalText(entry.id, letters, lettered), evalText(entry.id, zeros, zeroed)) << entry.id;
  }
}

TEST(FormulaRegistry, RejectsUnknownIdsAndWrongArgumentCounts) {
  SharedValues shared;
  EXPECT_THROW(evalText("F15", {"1"}, shared), std::invalid_argument);
  try {
    evalText("F1", {"220", "50", "1.5"}, shared);
    FAIL() << "a short argument list was accepted";
  } catch (const std::invalid_argument& e) {
    EXPECT_STREQ(e.what(), "F1 takes 4 arguments, got 3");
  }
  EXPECT_THROW(evalText("F20", {}, shared), std::invalid_argument);
}

}  // namespace
}  // namespace corvane
