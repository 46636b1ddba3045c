// Where the program finds its shipped bobbin catalogue.
#include <filesystem>
#include <system_error>
#include <vector>

#include "bobbin/catalogue/bobbin_catalogue.h"

#ifndef CORVANE_DATA_DIR
#error "CORVANE_DATA_DIR names the installed data folder"
#endif
#ifndef CORVANE_DATA_DIR_FROM_BIN
#error "CORVANE_DATA_DIR_FROM_BIN names the data folder relative to the executables' folder"
#endif

namespace corvane {

namespace {

constexpr const char* kCatalogueFileName = "bobbins.sqlite";

// Beside the running executable (a build tree, or a copy of the program
// moved anywhere), then the data folder of the tree the executable was
// installed into (an install under another prefix than the configured one),
// then the configured data folder.
std::vector<std::filesystem::path> candidates(const std::filesystem::path& relative) {
  std::vector<std::filesystem::path> paths;
  std::error_code failed;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", failed);
  if (!failed) {
    paths.push_back(exe.parent_path() / relative);
    paths.push_back((exe.parent_path() / CORVANE_DATA_DIR_FROM_BIN / relative).lexically_normal());
  }
  paths.push_back(std::filesystem::path(CORVANE_DATA_DIR) / relative);
  return paths;
}

}  // namespace

std::string defaultBobbinCataloguePath() {
  return installedDataFile(kCatalogueFileName);
}

std::string installedDataFile(const std::string& relative) {
  const std::vector<std::filesystem::path> paths = candidates(relative);
  for (const std::filesystem::path& path : paths) {
    std::error_code failed;
    if (std::filesystem::is_regular_file(path, failed)) return path.string();
  }
  return paths.front().string();
}

}  // namespace corvane
