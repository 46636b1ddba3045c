// Fuzzes the bobbin-catalogue opener: the input is a catalogue file's bytes,
// written to a scratch file and opened as the bobbin form opens a file the
// user chose. Its first bytes pick the reader (SQLite, or Access where the
// program has mdbtools). Opening and every search end in rows or in a
// reason for the user, never anything else.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "bobbin/catalogue/bobbin_catalogue.h"
#include "bobbin/catalogue/bobbin_tables.h"

namespace {

void require(bool condition) {
  if (!condition) __builtin_trap();
}

const std::string& scratchPath() {
  static const std::string path = "/tmp/corvane-fuzz-catalogue-" + std::to_string(::getpid());
  return path;
}

bool writeScratch(const uint8_t* data, size_t size) {
  std::FILE* file = std::fopen(scratchPath().c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(data, 1, size, file) == size;
  return std::fclose(file) == 0 && written;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (!writeScratch(data, size)) return 0;
  corvane::Outcome<std::unique_ptr<corvane::BobbinCatalogue>> catalogue =
      corvane::openBobbinCatalogue(scratchPath());
  if (!catalogue) {
    require(!catalogue.reason().empty());
    return 0;
  }
  // the searches the form makes: everything, a designation's start, a wildcard
  for (std::string_view table : corvane::kBobbinTables)
    for (const char* search : {"", "EI-48", "ei*3"}) {
      auto rows = catalogue.value()->find(table, search);
      if (!rows) require(!rows.reason().empty());
    }
  auto unknown = catalogue.value()->find("EIB4", "");
  require(!unknown.ok());
  return 0;
}
