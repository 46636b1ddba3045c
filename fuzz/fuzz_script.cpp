// Fuzzes the script driver: the input is a whole script, run against the
// test form and the program's forms. File and printer answers act as cancel,
// so no run reads or writes a file whatever the script names.
#include <cstdint>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

#include "app/script/script_runner.h"
#include "app/script/script_test_form.h"

namespace {

// Swallows the run's output.
class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static NullBuffer sink;
  static std::ostream out(&sink);
  corvane::ScriptEnvironment environment;
  environment.extraForms = corvane::registerScriptTestForm;
  environment.fileAnswers = false;
  std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
  int status = corvane::runScript(script, out, environment);
  if (status < 0 || status > 2) __builtin_trap();
  return 0;
}
