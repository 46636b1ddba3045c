// Opens a catalogue file by what its first bytes say it is, whatever its name.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "bobbin/catalogue/bobbin_catalogue.h"
#include "bobbin/catalogue/bobbin_tables.h"
#include "bobbin/catalogue/sqlite_bobbin_catalogue.h"
#ifdef CORVANE_HAVE_MDBTOOLS
#include "bobbin/catalogue/access_bobbin_catalogue.h"
#endif
#include "model/file_access.h"

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

// The first bytes of the file, or false with the reason.
bool readHeader(const std::string& path, std::string& header, std::string& reason) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    reason = "这是一个文件夹";
    return false;
  }
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    reason = files::reasonText(std::error_code(errno ? errno : EIO, std::generic_category()));
    return false;
  }
  char bytes[kHeaderBytes];
  const size_t got = std::fread(bytes, 1, sizeof bytes, file);
  const bool failed = std::ferror(file) != 0;
  const int readErrno = errno;
  std::fclose(file);
  if (failed) {
    reason =
        files::reasonText(std::error_code(readErrno ? readErrno : EIO, std::generic_category()));
    return false;
  }
  header.assign(bytes, got);
  return true;
}

}  // namespace

Outcome<std::unique_ptr<BobbinCatalogue>> openBobbinCatalogue(const std::string& path) {
  std::string header;
  std::string reason;
  if (!readHeader(path, header, reason)) return Failure{reason};
  switch (kindOf(header)) {
    case FileKind::SQLite:
      return openSqliteBobbinCatalogue(path);
    case FileKind::Access:
#ifdef CORVANE_HAVE_MDBTOOLS
      return openAccessBobbinCatalogue(path);
#else
      return Failure{"读取 Access 骨架目录需要 mdbtools（本程序未带）"};
#endif
    case FileKind::Other:
      break;
  }
  return Failure{"既不是 SQLite 也不是 Access 数据库"};
}

Outcome<std::vector<BobbinRecord>> BobbinCatalogue::find(std::string_view table,
                                                         const std::string& searchText) {
  const auto index = bobbinTableIndex(table);
  if (!index) return Failure{"没有骨架表 " + std::string(table)};
  return outcomeOf<CatalogueReadError>([&] { return search(*index, searchText); });
}

}  // namespace corvane
