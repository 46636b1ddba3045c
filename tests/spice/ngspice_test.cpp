// The exported files simulated by ngspice in batch mode, for the typical
// design and the two-primary, three-group design on a two-slot bobbin:
// - at no load, primary 1 alone on U1, each other winding shows U1 Ni/N1
//   within 1 % and the primary draws TxtI0 within 2 %;
// - every secondary loaded by TXTULOADE / its rated current (the winding's AC
//   current), each shows TXTULOADE within 3 % (two primaries in series on
//   U1 + U2, the connection whose current the electrical form works out);
// - the supply circuit runs to its end; its DC outputs are printed next to
//   the electrical form's txtudc (the README's table).
// The program exits with 77, which CTest counts as skipped, where ngspice is
// not installed.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <sstream>

#include "netlist_reading.h"
#include "spice_designs.h"
#include "support/test_files.h"

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;

bool ngspiceOnPath() {
  const char* path = std::getenv("PATH");
  if (!path) return false;
  std::istringstream folders(path);
  for (std::string folder; std::getline(folders, folder, ':');) {
    std::error_code error;
    const fs::path program = fs::path(folder.empty() ? "." : folder) / "ngspice";
    if (fs::is_regular_file(program, error) &&
        (fs::status(program, error).permissions() & fs::perms::owner_exec) != fs::perms::none)
      return true;
  }
  return false;
}

struct Simulation {
  std::string output;
  std::map<std::string, double> measured;  // by name, lower case as ngspice prints it
};

// ngspice -b on the file, from another folder than the file's: the circuit
// finds the model beside itself.
Simulation simulate(const std::string& circuit) {
  Simulation run;
  const std::string log = circuit + ".log";
  const std::string command = "cd / && ngspice -b '" + circuit + "' > '" + log + "' 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  run.output = fileContents(log);
  static const std::regex measurement(R"(^(\w+)\s+=\s+([-+0-9.eE]+))");
  std::istringstream lines(run.output);
  for (std::string line; std::getline(lines, line);) {
    std::smatch match;
    if (std::regex_search(line, match, measurement)) run.measured[match[1]] = std::stod(match[2]);
  }
  return run;
}

double measuredValue(const Simulation& run, const std::string& name) {
  auto it = run.measured.find(name);
  if (it == run.measured.end()) {
    ADD_FAILURE() << "no measurement " << name << " in\n" << run.output;
    return std::nan("");
  }
  return it->second;
}

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

class NgspiceCheck : public ::testing::TestWithParam<bool> {
 protected:
  NgspiceCheck() {
    twoPrimaries = GetParam();
    if (twoPrimaries)
      program.run(kTwoPrimaryDesign);
    else
      program.run(typicalDesignScript());
    library = folder.file("model.lib");
    program.exportTo(library);
    const std::vector<std::string> subckt = netlistLines(fileContents(library)).at(".subckt");
    pins.assign(subckt.begin() + 2, subckt.end());
    for (const std::string& pin : pins) {
      const std::string winding = pin.substr(0, pin.size() - 1);
      if (windings.empty() || windings.back() != winding) windings.push_back(winding);
    }
  }

  double structure(const char* name, int row) { return program.num("Frmjiegou", name, row); }
  double electrical(const char* name, int row = -1) { return program.num("Frmeledata", name, row); }
  int primaries() const { return twoPrimaries ? 2 : 1; }

  // A test circuit on the model: the source on `mainsPins` of U volts RMS,
  // `nodeOf` giving every other pin's node, `extra` lines, RMS measurements
  // of the winding starts and of the source current.
  std::string testCircuit(const std::string& name, double volts,
                          const std::map<std::string, std::string>& nodes,
                          const std::string& extra) {
    std::ostringstream text;
    text << "* " << name << "\n.include model.lib\n";
    text << "V1 MAINS 0 SIN(0 " << volts * std::sqrt(2.0) << " " << program.num("Frmcore", "TxtF")
         << " 0 0 90)\nXT";
    for (const std::string& pin : pins) text << " " << (nodes.count(pin) ? nodes.at(pin) : pin);
    text << " model\n" << extra;
    const double cycle = 1 / program.num("Frmcore", "TxtF");
    text << ".tran " << cycle / 1000 << " " << 25 * cycle << " 0 " << cycle / 1000 << " uic\n";
    for (size_t w = 1; w < windings.size(); ++w)
      text << ".meas tran vw" << w << " RMS v(" << windings[w] << "A) from=" << 20 * cycle
           << " to=" << 25 * cycle << "\n";
    text << ".meas tran imains RMS i(V1) from=" << 20 * cycle << " to=" << 25 * cycle << "\n.end\n";
    const std::string path = folder.file(name + ".cir");
    std::ofstream(path) << text.str();
    return path;
  }

  TestFolder folder{"corvane-ngspice"};
  ScriptedProgram program;
  bool twoPrimaries = false;
  std::string library;
  std::vector<std::string> pins;      // of the subcircuit
  std::vector<std::string> windings;  // P1, [P2,] S1, …: the table's rows in order
};

TEST_P(NgspiceCheck, NoLoadVoltagesAndCurrentAreTheDesigns) {
  std::map<std::string, std::string> nodes{{"P1A", "MAINS"}, {"P1B", "0"}};
  for (size_t w = 1; w < windings.size(); ++w) nodes[windings[w] + "B"] = "0";
  const double u1 = electrical("TXTUIN1");
  const Simulation run = simulate(testCircuit("noload", u1, nodes, ""));
  const double n1 = structure("TXTTURN", 0);
  for (size_t w = 1; w < windings.size(); ++w) {
    const double expected = u1 * structure("TXTTURN", static_cast<int>(w)) / n1;
    const double seen = measuredValue(run, "vw" + std::to_string(w));
    EXPECT_NEAR(seen, expected, 0.01 * expected) << windings[w];
    std::cout << "no load " << windings[w] << ": " << seen << " V, U1 Ni/N1 " << expected << " V\n";
  }
  const double i0 = structure("TxtI0", -1);
  EXPECT_NEAR(measuredValue(run, "imains"), i0, 0.02 * i0);
  std::cout << "no-load current " << measuredValue(run, "imains") << " A, TxtI0 " << i0 << " A\n";
}

TEST_P(NgspiceCheck, LoadedSecondariesShowTheirLoadVoltage) {
  std::map<std::string, std::string> nodes{{"P1A", "MAINS"}, {"P1B", "0"}};
  double volts = electrical("TXTUIN1");
  if (twoPrimaries) {
    nodes = {{"P1A", "MAINS"}, {"P1B", "PMID"}, {"P2A", "PMID"}, {"P2B", "0"}};
    volts += electrical("TXTUIN2");
  }
  std::ostringstream loads;
  for (size_t w = static_cast<size_t>(primaries()); w < windings.size(); ++w) {
    nodes[windings[w] + "B"] = "0";
    const int row = static_cast<int>(w);
    const double rated = electrical("txtsiac", row - primaries());
    loads << "RL" << w << " " << windings[w] << "A 0 " << structure("TXTULOADE", row) / rated
          << "\n";
  }
  const Simulation run = simulate(testCircuit("loaded", volts, nodes, loads.str()));
  for (size_t w = static_cast<size_t>(primaries()); w < windings.size(); ++w) {
    const double expected = structure("TXTULOADE", static_cast<int>(w));
    const double seen = measuredValue(run, "vw" + std::to_string(w));
    EXPECT_NEAR(seen, expected, 0.03 * expected) << windings[w];
    std::cout << "loaded " << windings[w] << ": " << seen << " V, TXTULOADE " << expected << " V\n";
  }
}

TEST_P(NgspiceCheck, SupplyCircuitRunsToItsEnd) {
  const Simulation run = simulate(folder.file("model.cir"));
  EXPECT_EQ(lower(run.output).find("error"), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("aborted"), std::string::npos) << run.output;
  const int groups = static_cast<int>(windings.size()) - primaries();
  for (int g = 0; g < groups; ++g) {
    const bool ac = program.text("Frmeledata", "CMBZL", g) == "无";
    const std::string n = std::to_string(g + 1);
    const double output = measuredValue(run, (ac ? "vrms" : "vdc") + n);
    EXPECT_TRUE(std::isfinite(output) && output > 0) << output;
    std::cout << "| " << (twoPrimaries ? "two primaries" : "typical") << " | "
              << program.text("Frmeledata", "TXTWN", g) << " "
              << program.text("Frmeledata", "CMBZL", g) << " | "
              << program.text("Frmeledata", "txtudc", g) << " | " << output << " | "
              << (ac ? std::string("(AC RMS)") : std::to_string(measuredValue(run, "ripple" + n)))
              << " |\n";
  }
  std::cout << "mains current " << measuredValue(run, "imains") << " A, TXTIIN "
            << program.text("Frmeledata", "TXTIIN") << " A\n";
}

INSTANTIATE_TEST_SUITE_P(Designs, NgspiceCheck, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "TwoPrimariesThreeGroups" : "Typical";
                         });

}  // namespace
}  // namespace corvane::testing

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "C");
  if (!corvane::testing::ngspiceOnPath()) {
    std::cout << "ngspice is not installed (Debian package ngspice): the simulator checks are "
                 "skipped\n";
    return 77;
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
