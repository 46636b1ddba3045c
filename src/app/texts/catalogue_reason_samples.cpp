#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string_view>

#include "app/texts/reason_samples.h"
#include "bobbin/catalogue/bobbin_catalogue.h"
#include "bobbin/catalogue/bobbin_tables.h"
#include "bobbin/catalogue/sqlite_bobbin_catalogue.h"
#include "bobbin/catalogue/watched_child_read.h"
#ifdef CORVANE_HAVE_MDBTOOLS
#include "bobbin/catalogue/mdb_file.h"
#endif

namespace corvane {

namespace {

namespace fs = std::filesystem;

// A folder of its own for the broken catalogue files, gone with it.
class SampleFolder {
 public:
  SampleFolder() {
    std::error_code error;
    path_ = fs::temp_directory_path(error) / ("corvane-texts-" + std::to_string(::getpid()));
    fs::create_directories(path_, error);
  }
  ~SampleFolder() {
    std::error_code error;
    fs::remove_all(path_, error);
  }
  SampleFolder(const SampleFolder&) = delete;
  SampleFolder& operator=(const SampleFolder&) = delete;

  std::string file(const std::string& name, std::string_view bytes) const {
    const fs::path path = path_ / name;
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    return path.string();
  }
  std::string folder() const { return path_.string(); }

 private:
  fs::path path_;
};

// What a folder, a file of another kind and one that starts like a SQLite
// file but is none give. (An Access file is read by a child process whose
// reader talks on standard error; its reasons come from its list.)
std::vector<std::string> openedReasons() {
  SampleFolder samples;
  const std::string sqlite = std::string("SQLite format 3\0", 16) + std::string(200, '\x7F');
  std::vector<std::string> paths = {samples.folder(), samples.file("other.db", "no catalogue"),
                                    samples.file("cut.db", sqlite)};
  std::vector<std::string> reasons;
  for (const std::string& path : paths)
    if (auto opened = openBobbinCatalogue(path); !opened) reasons.push_back(opened.reason());
  return reasons;
}

}  // namespace

std::vector<std::string> catalogueReasonSamples() {
  std::vector<std::string> reasons = openedReasons();
  for (const std::string& reason : sqliteCatalogueReasons()) reasons.push_back(reason);
  for (const std::string& reason : watchedReadReasons()) reasons.push_back(reason);
#ifdef CORVANE_HAVE_MDBTOOLS
  for (const std::string& reason : mdbReasonsAbout(kBobbinTables[0], kBobbinColumns[0]))
    reasons.push_back(reason);
#endif
  std::vector<std::string> shown;
  for (const std::string& reason : reasons) shown.push_back("无法读取骨架目录“F”：" + reason);
  return shown;
}

}  // namespace corvane
