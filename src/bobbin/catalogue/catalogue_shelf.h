// Bobbin catalogues kept open from one design to the next. A catalogue file
// opened again is not read again while it is the file that was read (the
// same file, size and time of its last change): its tables, read once, answer
// every design. A file that is gone or has changed since is opened afresh,
// so it fails or reads exactly as on its first opening.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "bobbin/catalogue/bobbin_catalogue.h"

namespace corvane {

class CatalogueShelf {
 public:
  using Opener = std::function<Outcome<std::unique_ptr<BobbinCatalogue>>(const std::string& path)>;

  explicit CatalogueShelf(Opener open = &openBobbinCatalogue);

  // The catalogue of the file: the one on the shelf while the file is
  // unchanged, else a fresh opening (which replaces it on the shelf).
  Outcome<std::unique_ptr<BobbinCatalogue>> open(const std::string& path);

 private:
  // What tells one state of a file from another without reading it. A
  // catalogue on the shelf keeps its file open, so a file put in its place
  // is another inode.
  struct FileIdentity {
    unsigned long long device = 0, inode = 0;
    long long size = 0;
    long long modified = 0, statusChanged = 0;  // ns since the epoch
    bool operator==(const FileIdentity&) const = default;
  };
  static bool identify(const std::string& path, FileIdentity& identity);

  struct Entry {
    FileIdentity identity;
    std::shared_ptr<BobbinCatalogue> catalogue;
  };
  Opener open_;
  std::map<std::string, Entry> entries_;
};

}  // namespace corvane
