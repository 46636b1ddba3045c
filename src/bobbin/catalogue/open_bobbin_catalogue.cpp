// Opens a catalogue file by what its first bytes say it is, whatever its name.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "bobbin/catalogue/bobbin_catalogue.h"
#include "bobbin/catalogue/sqlite_bobbin_catalogue.h"
#ifdef CORVANE_HAVE_MDBTOOLS
#include "bobbin/catalogue/access_bobbin_catalogue.h"
#endif

namespace corvane {

namespace {

enum class FileKind { SQLite, Access, Other };

// A SQLite file starts with "SQLite format 3" and a NUL; a Jet (.mdb) or ACE
// (.accdb) file with four bytes of page header, then its engine's name.
constexpr std::string_view kSqliteMagic{"SQLite format 3\0", 16};
constexpr std::string_view kJetMagic{"Standard Jet DB\0", 16};
constexpr std::string_view kAceMagic{"Standard ACE DB\0", 16};
constexpr size_t kAccessMagicOffset = 4;
constexpr size_t kHeaderBytes = 20;

FileKind kindOf(std::string_view header) {
  if (header.substr(0, kSqliteMagic.size()) == kSqliteMagic) return FileKind::SQLite;
  const std::string_view engine = header.substr(std::min(kAccessMagicOffset, header.size()));
  if (engine.substr(0, kJetMagic.size()) == kJetMagic ||
      engine.substr(0, kAceMagic.size()) == kAceMagic)
    return FileKind::Access;
  return FileKind::Other;
}

// The first bytes of the file, or false with the system's reason.
bool readHeader(const std::string& path, std::string& header, std::string& reason) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    reason = std::strerror(errno);
    return false;
  }
  char bytes[kHeaderBytes];
  const size_t got = std::fread(bytes, 1, sizeof bytes, file);
  const bool failed = std::ferror(file) != 0;
  const int readErrno = errno;
  std::fclose(file);
  if (failed) {
    reason = std::strerror(readErrno);
    return false;
  }
  header.assign(bytes, got);
  return true;
}

}  // namespace

std::unique_ptr<BobbinCatalogue> openBobbinCatalogue(const std::string& path, std::string& error) {
  std::string header;
  std::string reason;
  if (!readHeader(path, header, reason)) {
    error = "cannot open " + path + ": " + reason;
    return nullptr;
  }
  switch (kindOf(header)) {
    case FileKind::SQLite:
      return openSqliteBobbinCatalogue(path, error);
    case FileKind::Access:
#ifdef CORVANE_HAVE_MDBTOOLS
      return openAccessBobbinCatalogue(path, error);
#else
      error = "cannot open " + path + ": Access catalogues need mdbtools";
      return nullptr;
#endif
    case FileKind::Other:
      break;
  }
  error = "cannot open " + path + ": neither a SQLite nor an Access database";
  return nullptr;
}

}  // namespace corvane
