// The English interface beside the Chinese one. The model, its files and its
// scripts keep the program's Chinese texts; a text is translated only on its
// way to the user: in the views, in the host's dialogs and on the print
// surface, each asking a Translator with the text's context (a form's name
// or one of the contexts below).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class Translator {
 public:
  virtual ~Translator() = default;
  // What the user reads for `source` in `context`: the source itself when
  // the language shown is Chinese or the text has no translation.
  virtual std::string translate(std::string_view context, const std::string& source) const = 0;
  // Told of each quoted name (“…”, the marks included) a composed text
  // shows as it is: a value such as a file or a designation. The list of
  // the program's texts uses it to find a quoted text of the program's own,
  // which English would show in Chinese.
  virtual void quotedAsIs(std::string_view context, const std::string& name) const {
    (void)context;
    (void)name;
  }
};

// The contexts of the texts that belong to no form.
namespace text_contexts {
// the reports' fixed texts and the list items they print
inline constexpr const char* kReport = "Report";
// message boxes, questions, their titles and the input box
inline constexpr const char* kMessage = "Message";
// file dialog filters, the status bar's hints and the program's own windows
inline constexpr const char* kProgram = "Program";
}  // namespace text_contexts

// The context of the words a form writes into its fields (Control::Content::
// Words: a verdict, a class): apart from its captions, where the same
// Chinese may be another thing ("低压" is a low-voltage adapter there and
// the low-line column's header here).
std::string wordsContext(std::string_view form);

// The languages the interface speaks, by the code `--lang` and the script's
// `language` take.
enum class Language { Chinese, English };
// "zh" or "en"; anything else is no language.
bool languageFromCode(std::string_view code, Language& language);
const char* languageCode(Language language);

// A text composed of fixed phrases, names and values ("无法打印到“F”：文件无法
// 创建。", "31.3℃开放式温升"): the whole text when the translator knows it;
// otherwise each sentence on its own, and in a sentence not known whole every
// phrase between names and sentence marks on its own, the quoted names as
// they are, and a phrase that begins or ends with a value by its Chinese
// middle, the value as it is. A number set apart by blanks inside the middle
// is asked for as %1, %2, … ("第 %1 行的组别数") and put back into the
// translation. A text none of whose phrases has a translation stays exactly
// as it is.
std::string translateComposed(const Translator& translator, std::string_view context,
                              const std::string& text);

// The phrases translateComposed looks up one by one, in order: what the
// list of the program's texts offers for translation.
std::vector<std::string> composedPhrases(const std::string& text);

// Whether a text is made up at run time: it quotes a name, or begins or
// ends with a number. Such a text is never translated whole.
bool holdsValues(std::string_view text);

// Whether a text holds a Chinese character or Chinese punctuation.
bool containsCjk(std::string_view text);
// Whether one code point is one.
bool isCjk(char32_t c);

}  // namespace corvane
