// The help window frmHelp: the user manual, opened at the chapter of the
// form the designer was working in. The model holds only which chapter is
// shown; the desktop program shows the manual's HTML, installed with the
// program, in a window of its own.
#pragma once

#include <string>
#include <string_view>

#include "model/form.h"
#include "model/form_names.h"
#include "model/translator.h"

namespace corvane {

class HelpForm : public Form {
 public:
  static constexpr const char* kName = forms::kHelp;
  explicit HelpForm(Workspace& workspace);

  // Shows the manual at the chapter of the named form (the chain's overview
  // for a form without a chapter of its own) and brings the window to the front.
  void openChapterOf(std::string_view formName);
};

// The manual's chapter (anchor) of a form; "start" for the others.
std::string_view helpChapterOf(std::string_view formName);

// The manual's file names inside its installed folder: the Chinese manual,
// and the English one with the same chapters under the same anchors.
inline constexpr const char* kManualFile = "index.html";
inline constexpr const char* kEnglishManualFile = "index_en.html";

// The manual in the language the interface shows.
constexpr const char* manualFileIn(Language language) {
  return language == Language::English ? kEnglishManualFile : kManualFile;
}

// What the help window shows when the manual is not where it was looked for.
std::string missingManualText(const std::string& path);

}  // namespace corvane
