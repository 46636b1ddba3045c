// The two files of the typical design, element by element, against values
// worked out by hand from what the structure, core and electrical forms show.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>

#include "model/utf8.h"
#include "netlist_reading.h"
#include "spice_designs.h"
#include "support/test_files.h"

namespace corvane::testing {
namespace {

constexpr double kRelative = 1e-9;

void expectClose(const std::string& word, double expected) {
  EXPECT_NEAR(number(word), expected, std::fabs(expected) * kRelative) << word;
}

// An element between two nodes: the nodes as written, the value close to `value`.
void expectElement(const NetlistLines& lines, const std::string& name, const std::string& nodes,
                   double value) {
  const std::vector<std::string>& words = lines.at(name);
  ASSERT_EQ(words.size(), 4u) << name;
  EXPECT_EQ(words[1] + " " + words[2], nodes) << name;
  expectClose(words[3], value);
}

class TypicalDesignNetlist : public ::testing::Test {
 protected:
  TypicalDesignNetlist() {
    program.run(typicalDesignScript());
    program.exportTo(folder.file("typical.lib"));
    library = fileContents(folder.file("typical.lib"));
    circuit = fileContents(folder.file("typical.cir"));
  }

  TestFolder folder{"corvane-spice"};
  ScriptedProgram program;
  std::string library, circuit;
};

// What the forms show for the typical design, which the hand values below use.
TEST_F(TypicalDesignNetlist, StartsFromTheFiguresTheFormsShow) {
  auto structure = [&](const char* name, int row = -1) {
    return program.text("Frmjiegou", name, row);
  };
  EXPECT_EQ(structure("TXTTURN", 0), "1358");
  EXPECT_EQ(structure("TXTTURN", 1), "92");
  EXPECT_EQ(structure("TXTDCRHOT", 0), "104733.2");
  EXPECT_EQ(structure("TXTDCRHOT", 1), "530.4");
  EXPECT_EQ(structure("TXTHT", 0), "4.3");
  EXPECT_EQ(structure("TXTHT", 1), "5.1");
  EXPECT_EQ(structure("txtlt", 0), "117.5");
  EXPECT_EQ(structure("txtlt", 1), "147.0");
  EXPECT_EQ(structure("TxtI0"), "0.0860");
  EXPECT_EQ(structure("CmbTapeL"), "3");
  EXPECT_EQ(program.text("Frmcore", "txtpc"), "3.13W");
  EXPECT_EQ(program.text("Frmcore", "TxtBm"), "1.60");
  EXPECT_EQ(program.text("Frmbobbin", "TXTCK1"), "21");
  EXPECT_EQ(program.text("Frmeledata", "TXTCP", 0), "5307uF-13269uF");
}

TEST_F(TypicalDesignNetlist, SubcircuitElementsAreTheHandValues) {
  // magnetising: Iμ = √(I0² − (Pc/U1)²) ≈ 0.08482 A, Lm = U1/(2π f Iμ) ≈ 8.257 H
  const double u1 = 220, f = 50, i0 = 0.0860, pc = 3.13;
  const double iMag = std::sqrt(i0 * i0 - (pc / u1) * (pc / u1));
  const double lm = u1 / (2 * std::numbers::pi * f * iMag);
  // leakage of the secondary over the primary in the 21 mm slot, 3 layers of
  // 0.06 mm tape between: μ0 N1² MLT (a1/3 + a2/3 + δ)/w ≈ 48.36 mH
  const double mu0 = 4e-7 * std::numbers::pi;
  const double mlt = (117.5 + 147.0) / 2 * 1e-3;
  const double llk = mu0 * 1358.0 * 1358.0 * mlt * (4.3 / 3 + 5.1 / 3 + 3 * 0.06) * 1e-3 / 21e-3;
  const double k = std::sqrt(1 - llk / lm);  // ≈ 0.99707
  // the secondary's inductance keeps its open-circuit voltage at U1 N2/N1
  const double l2 = lm * (92.0 / 1358) * (92.0 / 1358) / (k * k);

  const NetlistLines lines = netlistLines(library);
  EXPECT_EQ(netlistLinesInOrder(library).front(), ".subckt typical P1A P1B S1A S1B");
  EXPECT_EQ(netlistLinesInOrder(library).back(), ".ends typical");
  EXPECT_EQ(lines.at("RP1"), (std::vector<std::string>{"RP1", "P1A", "NP1", "104.7332"}));
  expectElement(lines, "LP1", "NP1 P1B", lm);
  expectElement(lines, "RCORE", "P1A P1B", u1 * u1 / pc);  // ≈ 15463 Ω
  EXPECT_EQ(lines.at("RS1"), (std::vector<std::string>{"RS1", "S1A", "NS1", "0.5304"}));
  expectElement(lines, "LS1", "NS1 S1B", l2);
  expectElement(lines, "KP1_S1", "LP1 LS1", k);
  EXPECT_EQ(lines.at(".param"), (std::vector<std::string>{".param", "NP1=1358", "NS1=92"}));
  // and nothing else
  std::set<std::string> names;
  for (const auto& [name, words] : lines) names.insert(name);
  EXPECT_EQ(names, (std::set<std::string>{".ends", ".param", ".subckt", "KP1_S1", "LP1", "LS1",
                                          "RCORE", "RP1", "RS1"}));
}

TEST_F(TypicalDesignNetlist, SupplyCircuitElementsAreTheHandValues) {
  const NetlistLines lines = netlistLines(circuit);
  EXPECT_EQ(lines.at(".include"), (std::vector<std::string>{".include", "typical.lib"}));
  ASSERT_EQ(lines.at("VMAINS").size(), 9u);
  EXPECT_EQ(lines.at("VMAINS")[3], "SIN(0");
  expectClose(lines.at("VMAINS")[4], 220 * std::numbers::sqrt2);
  EXPECT_EQ(
      lines.at("VMAINS")[5] + lines.at("VMAINS")[6] + lines.at("VMAINS")[7] + lines.at("VMAINS")[8],
      "50"
      "0"
      "0"
      "90)");
  EXPECT_EQ(lines.at("XT"),
            (std::vector<std::string>{"XT", "MAINS", "0", "S1A", "S1B", "typical"}));
  // the silicon drop of 1.0 V at the group's 2 A: N = 1.0 / (Vt ln(1 + 2/IS))
  ASSERT_EQ(lines.at(".model").size(), 4u);
  EXPECT_EQ(lines.at(".model")[1] + " " + lines.at(".model")[2], "DMOD1 D(IS=1E-12");
  const std::string emission = lines.at(".model")[3];  // "N=…)"
  ASSERT_EQ(emission.substr(0, 2) + emission.back(), "N=)");
  expectClose(emission.substr(2, emission.size() - 3), 1.0 / (0.025865 * std::log1p(2 / 1e-12)));
  // the bridge
  EXPECT_EQ(lines.at("D1_1"), (std::vector<std::string>{"D1_1", "S1A", "OUT1", "DMOD1"}));
  EXPECT_EQ(lines.at("D1_2"), (std::vector<std::string>{"D1_2", "S1B", "OUT1", "DMOD1"}));
  EXPECT_EQ(lines.at("D1_3"), (std::vector<std::string>{"D1_3", "0", "S1A", "DMOD1"}));
  EXPECT_EQ(lines.at("D1_4"), (std::vector<std::string>{"D1_4", "0", "S1B", "DMOD1"}));
  // 5307 µF, the lower end of the range; 12 V / 2 A
  ASSERT_EQ(lines.at("C1").size(), 4u);
  expectClose(lines.at("C1")[3], 5307e-6);
  EXPECT_EQ(lines.at("RLOAD1"), (std::vector<std::string>{"RLOAD1", "OUT1", "0", "6"}));
  // 25 cycles of 20 ms in 20 µs steps, measured over the last 5
  EXPECT_EQ(lines.at(".tran"),
            (std::vector<std::string>{".tran", "2E-05", "0.5", "0", "2E-05", "uic"}));
  const std::vector<std::string> all = netlistLinesInOrder(circuit);
  for (const char* measure : {".meas tran VDC1 AVG v(OUT1) from=0.4 to=0.5",
                              ".meas tran RIPPLE1 PP v(OUT1) from=0.4 to=0.5",
                              ".meas tran IMAINS RMS i(VMAINS) from=0.4 to=0.5"})
    EXPECT_NE(std::find(all.begin(), all.end(), measure), all.end()) << measure;
  EXPECT_EQ(all.back(), ".end");
}

// Chinese labels (the circuit names, 全桥电容) only in comments; the files are
// UTF-8 that decodes without a replacement character.
TEST_F(TypicalDesignNetlist, NetlistLinesArePlainAsciiAndCommentsAreUtf8) {
  for (const std::string* text : {&library, &circuit}) {
    for (const std::string& line : netlistLinesInOrder(*text))
      for (char c : line) EXPECT_LT(static_cast<unsigned char>(c), 0x80) << line;
    for (char32_t c : utf8::decode(*text)) EXPECT_NE(c, U'\uFFFD');
    EXPECT_NE(text->find("全桥电容"), std::string::npos);
    EXPECT_EQ(text->find('\r'), std::string::npos);
  }
}

}  // namespace
}  // namespace corvane::testing
