// In-memory bobbin catalogues for the bobbin form's tests: files by path,
// each with its tables, searched with the catalogues' own designation
// matcher. A file can be missing or answer every query with a read error.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bobbin/catalogue/bobbin_catalogue.h"
#include "bobbin/catalogue/bobbin_tables.h"
#include "bobbin/catalogue/designation_match.h"
#include "bobbin/frmbobbin.h"

namespace corvane::testing {

struct FakeCatalogueFile {
  std::map<std::string, std::vector<BobbinRecord>> tables;
  std::string readError;  // non-empty: every query fails with it
};

struct Search {
  std::string path, table, text;
};

class FakeCatalogues {
 public:
  std::map<std::string, FakeCatalogueFile> files;
  std::vector<std::string> opened;  // every path an open was tried on
  std::vector<Search> searches;

  CatalogueSource source(std::string defaultPath) {
    return {[this](const std::string& path) { return open(path); }, std::move(defaultPath)};
  }

  Outcome<std::unique_ptr<BobbinCatalogue>> open(const std::string& path) {
    opened.push_back(path);
    if (!files.count(path)) return Failure{"文件或文件夹不存在"};
    return std::unique_ptr<BobbinCatalogue>(std::make_unique<Catalogue>(*this, path));
  }

 private:
  class Catalogue : public BobbinCatalogue {
   public:
    Catalogue(FakeCatalogues& owner, std::string path) : owner_(owner), path_(std::move(path)) {}
    const std::string& path() const override { return path_; }

   protected:
    std::vector<BobbinRecord> search(size_t table, const std::string& text) override {
      const std::string name(kBobbinTables[table]);
      owner_.searches.push_back({path_, name, text});
      const FakeCatalogueFile& file = owner_.files.at(path_);
      if (!file.readError.empty()) throw CatalogueReadError(file.readError);
      std::vector<BobbinRecord> found;
      auto rows = file.tables.find(name);
      if (rows == file.tables.end()) return found;
      for (const BobbinRecord& row : rows->second)
        if (designationMatches(text, row.specification)) found.push_back(row);
      return found;
    }

   private:
    FakeCatalogues& owner_;
    std::string path_;
  };
};

inline BobbinRecord bobbinRow(std::string supplier, std::string designation, std::string part,
                              std::string slot1 = "", std::string slot2 = "") {
  BobbinRecord row;
  row.SUP = std::move(supplier);
  row.specification = std::move(designation);
  row.partno = std::move(part);
  row.A = "23.5";
  row.B = "19";
  row.C1 = std::move(slot1);
  row.C2 = std::move(slot2);
  row.D = "6";
  row.F = "33";
  return row;
}

}  // namespace corvane::testing
