#include "search/quiet_host.h"

#include <utility>

#include "model/print_surface.h"

namespace corvane::search {

std::vector<std::string> QuietHost::takeMessages() {
  return std::exchange(messages_, {});
}

void QuietHost::showMessage(const std::string& text, MessageIcon, const std::string&) {
  messages_.push_back(text);
}

bool QuietHost::askYesNo(const std::string&, const std::string&) {
  return false;
}

Answer QuietHost::askYesNoCancel(const std::string&, const std::string&) {
  return Answer::No;
}

std::optional<std::string> QuietHost::inputBox(const std::string&, const std::string&,
                                               const std::string&) {
  return std::nullopt;
}

std::optional<std::string> QuietHost::chooseOpenFile(const std::string&) {
  return std::nullopt;
}

std::optional<std::string> QuietHost::chooseSaveFile(const std::string&) {
  return std::nullopt;
}

std::unique_ptr<PrintSurface> QuietHost::choosePrinter() {
  return nullptr;
}

}  // namespace corvane::search
