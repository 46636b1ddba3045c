// Fuzzes the design-file reader: the input is a .CVN file's bytes. Reading
// ends in a record or in a reason; a record that writes back (every text
// GBK can hold) writes bytes that read as the same record, and those bytes
// are a fixed point of reading and writing.
#include <cstdint>
#include <string>
#include <string_view>

#include "electrical/design_file.h"

namespace {

void require(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  corvane::Outcome<corvane::DesignRecordFile> design = corvane::parseDesignFile(bytes);
  if (!design) {
    require(!design.reason().empty());
    return 0;
  }
  // a UTF-8 file may hold a character GBK lacks: the save refuses it, with a reason
  corvane::Outcome<std::string> written = corvane::encodeDesignFile(design.value());
  if (!written) {
    require(!written.reason().empty());
    return 0;
  }
  corvane::Outcome<corvane::DesignRecordFile> again = corvane::parseDesignFile(written.value());
  require(again.ok());
  corvane::Outcome<std::string> rewritten = corvane::encodeDesignFile(again.value());
  require(rewritten.ok() && rewritten.value() == written.value());
  return 0;
}
