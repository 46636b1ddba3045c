// Every text the program shows that a translation may have to give: the
// captions, tool tips, list items and status texts of every form's
// controls, each form's caption, and whatever messages and printed reports
// ask to be translated while scripts drive the forms. The list is made by
// asking the same lookups the views, the host and the print surface ask, so
// it covers what the user reads, not what the model stores.
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/translator.h"

namespace corvane {

class Workspace;

// The Chinese texts the program asked to translate, by context.
using ShownTexts = std::map<std::string, std::set<std::string>, std::less<>>;

// A translator that notes each Chinese text asked for. A text made up at
// run time (holdsValues) is noted by its phrases alone, which
// translateComposed asks for next: its names and numbers differ each time.
class NotingTranslator final : public Translator {
 public:
  std::string translate(std::string_view context, const std::string& source) const override;
  void quotedAsIs(std::string_view context, const std::string& name) const override;
  const ShownTexts& texts() const { return texts_; }
  // The quoted names shown as they are, by context.
  const ShownTexts& quoted() const { return quoted_; }

 private:
  mutable ShownTexts texts_;
  mutable ShownTexts quoted_;
};

// The quoted names that are texts of the program's own, a list item or a
// caption the program translates elsewhere (“无”, “参数仿真”), as
// "context: “name”" lines: English would show them in Chinese. A quoted
// design value (a file, a label typed, a catalogue designation) is none.
std::vector<std::string> quotedOwnTexts(const NotingTranslator& noted);

// Asks `translator` for every text every form of the workspace shows now,
// as the views ask for them (creates every form the workspace knows).
void askForFormTexts(Workspace& workspace, const Translator& translator);

// Asks for the texts no walk of the forms meets in one design: the
// operating form's notes for every winding row, the search form's progress
// in each state, the reasons a file cannot be read or written.
void askForGeneratedTexts(Workspace& workspace, const Translator& translator);

}  // namespace corvane
