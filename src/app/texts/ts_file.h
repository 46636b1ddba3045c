// The translation source the English interface is compiled from (Qt
// Linguist's .ts, XML): reading its messages, checking that every text the
// program shows has a finished English translation, and adding the texts
// it lacks as unfinished ones for a translator to fill.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/texts/shown_texts.h"
#include "model/outcome.h"

namespace corvane {

struct TsMessage {
  std::string context;
  std::string source;
  std::string translation;
  bool unfinished = false;
};

// The messages of a .ts text, in file order; an Outcome's reason names what
// is malformed.
Outcome<std::vector<TsMessage>> parseTs(std::string_view xml);
// The .ts text of the messages, grouped by context in their order.
std::string writeTs(const std::vector<TsMessage>& messages);

// One line per text shown that lacks a finished English translation: none,
// unfinished, empty, or one that still holds Chinese.
std::vector<std::string> translationProblems(const ShownTexts& shown,
                                             const std::vector<TsMessage>& messages);
// The messages with every text shown that has none added, unfinished.
std::vector<TsMessage> withMissingAdded(const ShownTexts& shown, std::vector<TsMessage> messages);

}  // namespace corvane
