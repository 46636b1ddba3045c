// Fuzzes the project-file reader: the input is a file's bytes, of either
// format version. Reading ends in a record or in a reason, never anything
// else; a record is then tried on the program's forms, which again ends in
// success (some parts skipped, maybe) or a reason; and a record read is
// written back, in the current version, to bytes that read as the same
// record.
#include <cstdint>
#include <string>
#include <string_view>

#include "app/form_catalog.h"
#include "app/script/scripted_host.h"
#include "model/project_file.h"
#include "model/project_state.h"
#include "model/workspace.h"

namespace {

// The program's forms, registered once; the check copies the registrations
// into a scratch workspace of its own and leaves this one untouched.
const corvane::Workspace& programForms() {
  static corvane::ScriptedHost host;
  static corvane::Workspace workspace(host);
  static const bool registered = (corvane::registerAllForms(workspace), true);
  (void)registered;
  return workspace;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  corvane::Outcome<corvane::ProjectRecord> record = corvane::parseProjectFile(bytes);
  if (!record) return 0;
  // what was read writes back (its texts are UTF-8) and reads the same
  corvane::Outcome<std::string> written = corvane::encodeProjectFile(record.value());
  if (!written) __builtin_trap();
  corvane::Outcome<corvane::ProjectRecord> again = corvane::parseProjectFile(written.value());
  if (!again || corvane::encodeProjectFile(again.value()).value() != written.value())
    __builtin_trap();
  // fitting the forms ends in a success or a reason, nothing else
  (void)corvane::checkProjectFits(programForms(), record.value());
  return 0;
}
