#include "model/translator.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "model/utf8.h"

namespace corvane {

namespace {

struct CodeRange {
  char32_t first, last;
};

// Chinese characters and the punctuation of Chinese text
constexpr CodeRange kCjkRanges[] = {
    {0x2E80, 0x2FDF},  // radicals
    {0x3000, 0x303F},  // ideographic space, 、。「」【】
    {0x3400, 0x4DBF},  // extension A
    {0x4E00, 0x9FFF},  // unified ideographs
    {0xF900, 0xFAFF},  // compatibility ideographs
    {0xFE30, 0xFE4F},  // vertical forms
    {0xFF01, 0xFF60},  // full-width ASCII forms: ，：；（）
    {0x20000, 0x2FA1F},
};

constexpr char32_t kOpenQuote = 0x201C;   // “
constexpr char32_t kCloseQuote = 0x201D;  // ”

struct SentenceMark {
  char32_t mark;
  const char* english;
};

// the marks a composed text's phrases end at, and how English writes them
constexpr SentenceMark kMarks[] = {
    {0xFF1A, ": "},  // ：
    {0xFF0C, ", "},  // ，
    {0x3002, ". "},  // 。
    {0xFF1B, "; "},  // ；
    {0xFF01, "! "},  // ！
    {0xFF1F, "? "},  // ？
    {0x3001, ", "},  // 、
    {0xFF08, " ("},  // （
    {0xFF09, ")"},   // ）
    {U'\n', "\n"},
};

constexpr SentenceMark kTitleDash = {U'-', " - "};

const SentenceMark* markOf(char32_t c) {
  for (const SentenceMark& m : kMarks)
    if (m.mark == c) return &m;
  return nullptr;
}

// One piece of a composed text: a phrase to look up, a quoted name, or a mark.
struct Piece {
  enum class Kind { Phrase, Name, Mark } kind;
  std::string text;
  const SentenceMark* mark = nullptr;
};

std::vector<Piece> split(const std::string& text) {
  std::vector<Piece> pieces;
  std::string phrase;
  auto flush = [&] {
    if (!phrase.empty()) pieces.push_back({Piece::Kind::Phrase, phrase});
    phrase.clear();
  };
  const std::vector<char32_t> codes = utf8::decode(text);
  for (size_t i = 0; i < codes.size(); ++i) {
    char32_t c = codes[i];
    if (c == kOpenQuote) {
      flush();
      std::string name;
      for (; i < codes.size(); ++i) {
        name += utf8::encode(codes[i]);
        if (codes[i] == kCloseQuote) break;
      }
      pieces.push_back({Piece::Kind::Name, name});
    } else if (c == U'-' && i > 0 && codes[i - 1] == U' ' && i + 1 < codes.size() &&
               codes[i + 1] == U' ') {
      // "TITLE - NAME": a window title with the design's name after the dash
      flush();
      pieces.push_back({Piece::Kind::Mark, "-", &kTitleDash});
      std::string name;
      for (++i; i + 1 < codes.size(); ++i) name += utf8::encode(codes[i + 1]);
      if (!name.empty()) pieces.push_back({Piece::Kind::Name, name});
      break;
    } else if (const SentenceMark* mark = markOf(c)) {
      flush();
      pieces.push_back({Piece::Kind::Mark, utf8::encode(c), mark});
    } else {
      phrase += utf8::encode(c);
    }
  }
  flush();
  return pieces;
}

// A phrase without the blanks around it, which the lookup ignores.
std::string_view trimmed(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

}  // namespace

std::string wordsContext(std::string_view form) {
  return std::string(form) + "/words";
}

bool languageFromCode(std::string_view code, Language& language) {
  if (code == "zh") {
    language = Language::Chinese;
    return true;
  }
  if (code == "en") {
    language = Language::English;
    return true;
  }
  return false;
}

const char* languageCode(Language language) {
  return language == Language::English ? "en" : "zh";
}

bool isCjk(char32_t c) {
  return std::any_of(std::begin(kCjkRanges), std::end(kCjkRanges),
                     [c](const CodeRange& r) { return c >= r.first && c <= r.last; });
}

bool containsCjk(std::string_view text) {
  // ASCII alone is the common case: numbers and units
  if (std::all_of(text.begin(), text.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
    return false;
  const std::vector<char32_t> codes = utf8::decode(text);
  return std::any_of(codes.begin(), codes.end(), isCjk);
}

namespace {

// The parts of a phrase: what comes before its first Chinese character, the
// Chinese middle, and what follows its last one.
struct PhraseParts {
  std::string before, middle, after;
};

PhraseParts partsOf(const std::string& phrase) {
  const std::vector<char32_t> codes = utf8::decode(phrase);
  size_t first = 0;
  while (first < codes.size() && !isCjk(codes[first])) ++first;
  size_t last = codes.size();
  while (last > first && !isCjk(codes[last - 1])) --last;
  PhraseParts parts;
  for (size_t i = 0; i < codes.size(); ++i)
    (i < first ? parts.before : i < last ? parts.middle : parts.after) += utf8::encode(codes[i]);
  return parts;
}

bool hasDigit(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool startsWord(std::string_view text) {
  return !text.empty() && std::isalnum(static_cast<unsigned char>(text.front()));
}

bool isBlank(char c) {
  return c == ' ';
}

// A phrase's middle with each value set apart by blanks, a Latin word with a
// figure in it ("第 3 行的组别数", "字段 TXTWN(0) 的内容"), standing as %1,
// %2, … ("第 %1 行的组别数"), and the values in order. No value, no change.
std::string withPlaceholders(const std::string& middle, std::vector<std::string>* numbers) {
  std::string out;
  int count = 0;
  for (size_t i = 0; i < middle.size();) {
    size_t end = i;
    if (i > 0 && isBlank(middle[i - 1]))
      while (end < middle.size() && !isBlank(middle[end]) &&
             static_cast<unsigned char>(middle[end]) < 0x80)
        ++end;
    const std::string_view word = std::string_view(middle).substr(i, end - i);
    if (end > i && end < middle.size() && isBlank(middle[end]) && hasDigit(word)) {
      if (numbers) numbers->emplace_back(word);
      out += "%" + std::to_string(++count);
      i = end;
    } else {
      out += middle[i++];
    }
  }
  return out;
}

// The translation of a phrase's middle with numbers in it put back.
std::string withNumbers(std::string text, const std::vector<std::string>& numbers) {
  for (size_t n = numbers.size(); n > 0; --n) {
    const std::string mark = "%" + std::to_string(n);
    for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at))
      text.replace(at, mark.size(), numbers[n - 1]);
  }
  return text;
}

// One phrase as the user reads it; the same phrase when it has no translation.
std::string translatePhrase(const Translator& translator, std::string_view context,
                            const std::string& phrase) {
  if (!containsCjk(phrase)) return phrase;
  if (!holdsValues(phrase)) return translator.translate(context, phrase);
  PhraseParts parts = partsOf(phrase);
  std::vector<std::string> numbers;
  const std::string asked = withPlaceholders(parts.middle, &numbers);
  std::string middle = translator.translate(context, asked);
  if (middle == asked) return phrase;
  middle = withNumbers(std::move(middle), numbers);
  // a number and an English word stand a blank apart: "31.3℃ open-frame rise"
  std::string out = parts.before;
  if (!out.empty() && out.back() != ' ' && startsWord(middle) && !middle.starts_with(' '))
    out += ' ';
  out += middle;
  if (!parts.after.empty() && startsWord(parts.after) && !middle.ends_with(' ')) out += ' ';
  return out + parts.after;
}

constexpr std::string_view kFullStop = "\u3002";  // 。

// The sentences of a text, each with its closing full stop; a full stop
// inside a quoted name closes none.
std::vector<std::string> sentences(const std::string& text) {
  std::vector<std::string> out(1);
  bool quoted = false;
  for (const std::string& c : utf8::characters(text)) {
    if (c == "\u201C") quoted = true;
    if (c == "\u201D") quoted = false;
    out.back() += c;
    if (!quoted && c == kFullStop) out.emplace_back();
  }
  if (out.back().empty()) out.pop_back();
  return out;
}

}  // namespace

bool holdsValues(std::string_view text) {
  if (text.find("\u201C") != std::string_view::npos) return true;
  const PhraseParts parts = partsOf(std::string(text));
  // a figure before or after the words, or a file's path after them
  // ("骨架目录：/usr/share/…", "仍使用 /usr/share/…")
  if (hasDigit(parts.before) || hasDigit(parts.after) || trimmed(parts.after).starts_with('/'))
    return true;
  // a number set apart by blanks among the words: "文件含有 12 组输出"
  if (withPlaceholders(parts.middle, nullptr) != parts.middle) return true;
  const std::vector<Piece> pieces = split(std::string(text));
  if (pieces.size() < 2) return false;
  // a figure between marks: "已完成：120/300，可行方案：3"
  const bool figure = std::any_of(pieces.begin(), pieces.end(), [](const Piece& piece) {
    return piece.kind == Piece::Kind::Phrase && !containsCjk(piece.text) && hasDigit(piece.text) &&
           trimmed(piece.text).find(' ') == std::string_view::npos &&
           std::isdigit(static_cast<unsigned char>(trimmed(piece.text).front()));
  });
  if (figure) return true;
  // a figure in brackets after a phrase with its own: "负载温升 62.2℃（封闭 88.0℃）"
  if (text.find("\uFF08") == std::string_view::npos) return false;
  return std::any_of(pieces.begin(), pieces.end(), [](const Piece& piece) {
    if (piece.kind != Piece::Kind::Phrase || !containsCjk(piece.text)) return false;
    const PhraseParts phrase = partsOf(piece.text);
    return hasDigit(phrase.before) || hasDigit(phrase.after);
  });
}

std::vector<std::string> composedPhrases(const std::string& text) {
  std::vector<std::string> phrases;
  for (const Piece& piece : split(text)) {
    std::string phrase(trimmed(piece.text));
    if (piece.kind != Piece::Kind::Phrase || !containsCjk(phrase)) continue;
    phrases.push_back(holdsValues(phrase) ? withPlaceholders(partsOf(phrase).middle, nullptr)
                                          : phrase);
  }
  return phrases;
}

std::string translateComposed(const Translator& translator, std::string_view context,
                              const std::string& text) {
  if (!containsCjk(text)) return text;
  if (!holdsValues(text)) {
    std::string whole = translator.translate(context, text);
    if (whole != text) return whole;
  }
  // several sentences (a field's tip and the reason it is empty): each on its
  // own, so that a sentence known whole reads as it was translated
  if (std::vector<std::string> parts = sentences(text); parts.size() > 1) {
    std::string out;
    bool translatedAny = false;
    for (size_t i = 0; i < parts.size(); ++i) {
      const bool closed = parts[i].ends_with(kFullStop);
      const std::string sentence =
          closed ? parts[i].substr(0, parts[i].size() - kFullStop.size()) : parts[i];
      const std::string shown = translateComposed(translator, context, sentence);
      translatedAny = translatedAny || shown != sentence;
      if (!out.empty()) out += ' ';
      out += shown;
      if (closed) out += '.';
    }
    return translatedAny ? out : text;
  }
  std::string out;
  bool translatedAny = false;
  // English words and names stand a blank apart
  auto separate = [&out] {
    if (!out.empty() && out.back() != ' ' && out.back() != '\n' && out.back() != '(') out += ' ';
  };
  for (const Piece& piece : split(text)) {
    switch (piece.kind) {
      case Piece::Kind::Name:
        translator.quotedAsIs(context, piece.text);
        separate();
        out += piece.text;
        break;
      case Piece::Kind::Mark:
        out += piece.mark->english;
        break;
      case Piece::Kind::Phrase: {
        std::string phrase(trimmed(piece.text));
        std::string shown = translatePhrase(translator, context, phrase);
        translatedAny = translatedAny || shown != phrase;
        if (shown.empty()) break;
        // a phrase that goes on a name with a possessive or a colon
        // ("'s caption must be text") keeps to it
        if (!shown.starts_with('\'') && !shown.starts_with(':')) separate();
        out += shown;
        break;
      }
    }
  }
  if (!translatedAny) return text;
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

}  // namespace corvane
