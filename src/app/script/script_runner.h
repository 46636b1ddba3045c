// Runs a corvane script: one command a line, driving the forms exactly as a
// user would. Shared by corvane-script (headless) and `corvane --script`.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

namespace corvane {

class PrintSurface;

struct ScriptEnvironment {
  // Makes a print surface that writes a PDF to the path; empty in the
  // headless driver, where `printer pdf` is an error that says so.
  std::function<std::unique_ptr<PrintSurface>(const std::string& path)> pdfPrinter;
};

// Runs the whole script; returns the exit status: 0 when every check held,
// 1 when a check failed, 2 for a script error.
int runScript(std::istream& script, std::ostream& out, const ScriptEnvironment& environment = {});

}  // namespace corvane
