#include "spice/spice_export.h"

#include <filesystem>

#include "model/ascii.h"
#include "model/file_access.h"
#include "model/form.h"
#include "model/form_names.h"
#include "model/host.h"
#include "model/workspace.h"
#include "spice/design_gathering.h"
#include "spice/supply_circuit.h"
#include "spice/transformer_library.h"
#include "spice/transformer_model.h"

namespace corvane::spice {

namespace {

namespace fs = std::filesystem;

constexpr const char* kProgram = "Corvane " CORVANE_VERSION;
constexpr std::string_view kLibraryExtension = ".lib";
constexpr const char* kCircuitExtension = ".cir";

bool endsWithIgnoringCase(std::string_view text, std::string_view end) {
  return text.size() >= end.size() &&
         ascii::equalIgnoringCase(text.substr(text.size() - end.size()), end);
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isLetterOrDigit(char c) {
  return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

void warn(Workspace& workspace, const std::string& text) {
  workspace.host().showMessage(text, MessageIcon::Warning,
                               workspace.form(forms::kStructure).caption());
}

}  // namespace

std::string libraryPathFor(const std::string& chosenPath) {
  if (endsWithIgnoringCase(chosenPath, kLibraryExtension)) return chosenPath;
  return chosenPath + std::string(kLibraryExtension);
}

std::string circuitPathFor(const std::string& libraryPath) {
  return libraryPath.substr(0, libraryPath.size() - kLibraryExtension.size()) + kCircuitExtension;
}

bool isPortableFileName(std::string_view fileName) {
  if (fileName.empty() || fileName.front() == '.') return false;
  for (char c : fileName)
    if (!isLetterOrDigit(c) && c != '_' && c != '-' && c != '.') return false;
  return true;
}

std::string subcircuitNameFor(std::string_view fileName) {
  std::string name(fileName.substr(0, fileName.find('.')));
  for (char& c : name)
    if (c == '-') c = '_';
  if (name.empty() || isDigit(name.front())) name.insert(0, "X");
  return name;
}

bool exportSpiceModelTo(Workspace& workspace, const std::string& chosenPath) {
  const std::string libraryPath = libraryPathFor(chosenPath);
  const std::string circuitPath = circuitPathFor(libraryPath);
  const std::string libraryFile = fs::path(libraryPath).filename().string();
  if (!isPortableFileName(libraryFile)) {
    warn(workspace, "无法导出SPICE模型“" + libraryPath +
                        "”：文件名只能由英文字母、数字、下划线、连字符和点组成，"
                        "电源电路按文件名包含它，各种仿真软件才都能读。");
    return false;
  }
  const NetlistNames names{kProgram, subcircuitNameFor(libraryFile), libraryFile,
                           fs::path(circuitPath).filename().string()};

  const TransformerDescription design = describeDesign(workspace);
  Outcome<TransformerModel> model = buildTransformerModel(design);
  Outcome<std::string> library = Failure{model.reason()};
  Outcome<std::string> circuit = Failure{model.reason()};
  if (model) {
    library = transformerLibrary(design, model.value(), names);
    circuit = supplyCircuit(design, model.value(), names);
  }
  for (const Outcome<std::string>* text : {&library, &circuit})
    if (!*text) {
      warn(workspace, "无法导出SPICE模型：" + text->reason() + "。");
      return false;
    }

  std::string failedPath;
  if (Outcome<> written = files::writeAllReplacing(
          {{libraryPath, library.value()}, {circuitPath, circuit.value()}}, failedPath);
      !written) {
    warn(workspace, "无法保存SPICE文件“" + failedPath + "”：" + written.reason() + "。");
    return false;
  }
  workspace.host().showMessage(
      "SPICE模型已保存到“" + libraryPath + "”，电源电路已保存到“" + circuitPath + "”。",
      MessageIcon::Information, workspace.form(forms::kStructure).caption());
  return true;
}

void exportSpiceModel(Workspace& workspace) {
  std::optional<std::string> path = workspace.host().chooseSaveFile(kSpiceFilter);
  if (!path || path->empty()) return;
  exportSpiceModelTo(workspace, *path);
}

}  // namespace corvane::spice
