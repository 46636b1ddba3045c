// The subsystems depend on each other in the order of the design chain: a
// file of src/<subsystem>/ includes headers of its own subsystem, of the
// subsystems listed for it below, and of no other.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {
namespace {

namespace fs = std::filesystem;

struct ChainLink {
  std::string_view subsystem;
  std::vector<std::string_view> mayInclude;
};

// What each subsystem may include besides itself. The simulation's curves
// and design pass are plain arithmetic over plain values that the structure
// form calls, so it sits below the winding stage. A new stage above the
// winding table gets a row like the reports'.
const std::array<ChainLink, 13> kChain{{
    {"model", {}},
    {"electrical", {"model"}},
    {"core", {"model", "electrical"}},
    {"bobbin", {"model", "electrical", "core"}},
    {"simulation", {"model", "electrical", "core", "bobbin"}},
    {"winding", {"model", "electrical", "core", "bobbin", "simulation"}},
    {"reports", {"model", "electrical", "core", "bobbin", "simulation", "winding"}},
    {"bom", {"model", "electrical", "core", "bobbin", "simulation", "winding"}},
    {"operating", {"model", "electrical", "core", "bobbin", "simulation", "winding"}},
    {"spice", {"model", "electrical", "core", "bobbin", "simulation", "winding"}},
    // the search runs the whole chain, the cost form's price included
    {"search",
     {"model", "electrical", "core", "bobbin", "simulation", "winding", "reports", "bom",
      "operating", "spice"}},
    {"wiretools", {"model"}},
    {"app",
     {"model", "electrical", "core", "bobbin", "simulation", "winding", "reports", "bom",
      "operating", "spice", "search", "wiretools"}},
}};

const ChainLink* linkOf(std::string_view subsystem) {
  for (const ChainLink& link : kChain)
    if (link.subsystem == subsystem) return &link;
  return nullptr;
}

bool mayInclude(const ChainLink& from, std::string_view to) {
  if (to == from.subsystem) return true;
  for (std::string_view allowed : from.mayInclude)
    if (allowed == to) return true;
  return false;
}

// Every include of a subsystem's header against the chain under `root`, as
// "file: included"; a folder the table does not name is reported as such.
std::vector<std::string> againstTheChain(const fs::path& root) {
  static const std::regex include(R"(^\s*#\s*include\s*"([^/"]+)/[^"]*")");
  std::vector<std::string> found;
  for (const fs::directory_entry& folder : fs::directory_iterator(root)) {
    if (!folder.is_directory()) continue;
    const std::string subsystem = folder.path().filename().string();
    const ChainLink* link = linkOf(subsystem);
    if (!link) {
      found.push_back(subsystem + ": a subsystem the chain does not name");
      continue;
    }
    for (const fs::directory_entry& file : fs::recursive_directory_iterator(folder)) {
      const std::string ext = file.path().extension().string();
      if (!file.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
      std::ifstream in(file.path());
      std::string line;
      std::smatch match;
      while (std::getline(in, line))
        if (std::regex_search(line, match, include) && linkOf(match[1].str()) &&
            !mayInclude(*link, match[1].str()))
          found.push_back(fs::relative(file.path(), root).string() + ": " + match[1].str());
    }
  }
  return found;
}

TEST(IncludeChain, NoSubsystemIncludesAStageBuiltOnIt) {
  EXPECT_EQ(againstTheChain(fs::path(CORVANE_SOURCE_DIR) / "src"), std::vector<std::string>{});
}

// The check itself: a tree with an include against the chain, written the
// ways an include can be written, is caught; includes along the chain and of
// system or Qt headers pass.
TEST(IncludeChain, CatchesAnIncludeAgainstTheChain) {
  const fs::path root = fs::temp_directory_path() / "corvane_include_chain_test";
  fs::remove_all(root);
  fs::create_directories(root / "electrical");
  fs::create_directories(root / "winding" / "deep");
  fs::create_directories(root / "gadgets");
  std::ofstream(root / "electrical" / "form.cpp") << "#include \"model/form.h\"\n"
                                                  << "#include <vector>\n"
                                                  << "  #  include \"core/coreform_fields.h\"\n";
  std::ofstream(root / "winding" / "deep" / "part.h") << "#include \"bom/frmbomlist.h\"\n"
                                                      << "#include \"bobbin/bobbin_types.h\"\n"
                                                      << "#include <QWidget>\n";
  std::ofstream(root / "winding" / "notes.txt") << "#include \"app/form_catalog.h\"\n";

  std::vector<std::string> found = againstTheChain(root);
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<std::string>{"electrical/form.cpp: core",
                                             "gadgets: a subsystem the chain does not name",
                                             "winding/deep/part.h: bom"}));
  fs::remove_all(root);
}

}  // namespace
}  // namespace corvane
