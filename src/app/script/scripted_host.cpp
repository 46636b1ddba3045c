#include "app/script/scripted_host.h"

#include <ctime>
#include <fstream>

#include "model/file_access.h"
#include "model/print_surface.h"
#include "model/translator.h"
#include "reports/recording_printer.h"

namespace corvane {

ScriptedHost::ScriptedHost() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  setToday({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
  setNow({local.tm_hour, local.tm_min, local.tm_sec});
}

const ScriptedHost::Message* ScriptedHost::nextUncheckedMessage() const {
  return checkedMessages_ < messages().size() ? &messages()[checkedMessages_] : nullptr;
}

std::vector<std::string> ScriptedHost::takeErrors() {
  std::vector<std::string> taken;
  taken.swap(errors_);
  return taken;
}

std::string ScriptedHost::shown(const std::string& text) const {
  return translator_ ? translateComposed(*translator_, text_contexts::kMessage, text) : text;
}

void ScriptedHost::useSettingsFile(const std::string& path) {
  settingsFile_ = path;
  recent_.clear();
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) recent_.push_back(line);
  }
}

void ScriptedHost::storeRecentDesigns(const std::vector<std::string>& paths) {
  recent_ = paths;
  if (settingsFile_.empty()) return;
  std::string text;
  for (const std::string& path : paths) text += path + "\n";
  if (Outcome<> written = files::writeReplacing(settingsFile_, text); !written)
    errors_.push_back("cannot write the settings file " + settingsFile_ + ": " + written.reason());
}

std::unique_ptr<PrintSurface> ScriptedHost::speaking(std::unique_ptr<PrintSurface> page) const {
  page->translateWith(translator_);
  return page;
}

std::unique_ptr<PrintSurface> ScriptedHost::choosePrinter() {
  PrinterAnswer answer;
  if (!printers_.empty()) {
    answer = printers_.front();
    printers_.pop_front();
  }
  switch (answer.kind) {
    case PrinterAnswer::Kind::Record:
      note("printer -> record " + answer.path);
      return speaking(std::make_unique<RecordingPrinter>(
          answer.path, [this](const std::string& message) { errors_.push_back(message); }));
    case PrinterAnswer::Kind::Pdf:
      note("printer -> pdf " + answer.path);
      if (!pdfFactory_) {
        errors_.push_back("no PDF printer in this program");
        return nullptr;
      }
      if (std::unique_ptr<PrintSurface> pdf = pdfFactory_(answer.path))
        return speaking(std::move(pdf));
      // as the desktop's dialog does when the file cannot be created
      showMessage("无法打印到“" + answer.path + "”：文件无法创建。", MessageIcon::Warning, {});
      return nullptr;
    case PrinterAnswer::Kind::Cancel:
      break;
  }
  note("printer -> cancel");
  return nullptr;
}

}  // namespace corvane
