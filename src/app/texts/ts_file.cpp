#include "app/texts/ts_file.h"

#include <algorithm>
#include <map>
#include <utility>

namespace corvane {

namespace {

struct Entity {
  std::string_view name;
  char text;
};
// the entities a .ts writes; numeric ones are read as well
constexpr Entity kEntities[] = {
    {"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}, {"&quot;", '"'}, {"&apos;", '\''}};

std::string unescaped(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    if (text[i] != '&') {
      out += text[i++];
      continue;
    }
    const auto known =
        std::find_if(std::begin(kEntities), std::end(kEntities),
                     [&](const Entity& e) { return text.substr(i).starts_with(e.name); });
    if (known != std::end(kEntities)) {
      out += known->text;
      i += known->name.size();
    } else if (text.substr(i).starts_with("&#10;")) {
      out += '\n';
      i += 5;
    } else {
      out += text[i++];
    }
  }
  return out;
}

std::string escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    const auto known = std::find_if(std::begin(kEntities), std::end(kEntities),
                                    [c](const Entity& e) { return e.text == c; });
    if (known != std::end(kEntities) && c != '\'')
      out += known->name;
    else
      out += c;
  }
  return out;
}

// A small reader for the .ts shape: tags found one after another.
class TsReader {
 public:
  explicit TsReader(std::string_view xml) : xml_(xml) {}

  // The position of the next `<tag` (followed by `>`, a blank or `/`) from
  // `from` on, npos for none.
  size_t find(std::string_view tag, size_t from) const {
    for (size_t at = xml_.find("<" + std::string(tag), from); at != std::string_view::npos;
         at = xml_.find("<" + std::string(tag), at + 1)) {
      char after = at + tag.size() + 1 < xml_.size() ? xml_[at + tag.size() + 1] : '\0';
      if (after == '>' || after == ' ' || after == '/') return at;
    }
    return std::string_view::npos;
  }

  // The element at `at`: its opening tag's text and its content; false when
  // it does not close.
  bool element(std::string_view tag, size_t at, std::string_view& open, std::string& content,
               size_t& end) const {
    const size_t close = xml_.find('>', at);
    if (close == std::string_view::npos) return false;
    open = xml_.substr(at, close + 1 - at);
    if (open.ends_with("/>")) {
      content.clear();
      end = close + 1;
      return true;
    }
    const std::string closing = "</" + std::string(tag) + ">";
    const size_t stop = xml_.find(closing, close + 1);
    if (stop == std::string_view::npos) return false;
    content = unescaped(xml_.substr(close + 1, stop - close - 1));
    end = stop + closing.size();
    return true;
  }

 private:
  std::string_view xml_;
};

}  // namespace

Outcome<std::vector<TsMessage>> parseTs(std::string_view xml) {
  TsReader reader(xml);
  std::vector<TsMessage> messages;
  if (reader.find("TS", 0) == std::string_view::npos) return Failure{"no <TS> element"};
  for (size_t at = reader.find("context", 0); at != std::string_view::npos;) {
    const size_t next = reader.find("context", at + 1);
    const size_t stop = next == std::string_view::npos ? xml.size() : next;
    std::string_view open;
    std::string name;
    size_t end = 0;
    const size_t nameAt = reader.find("name", at);
    if (nameAt == std::string_view::npos || nameAt > stop ||
        !reader.element("name", nameAt, open, name, end))
      return Failure{"a context without a name"};
    for (size_t m = reader.find("message", end); m != std::string_view::npos && m < stop;
         m = reader.find("message", m + 1)) {
      TsMessage message;
      message.context = name;
      const size_t sourceAt = reader.find("source", m);
      const size_t translationAt = reader.find("translation", m);
      size_t after = 0;
      if (sourceAt == std::string_view::npos || sourceAt > stop ||
          !reader.element("source", sourceAt, open, message.source, after))
        return Failure{"a message without a source in context " + name};
      if (translationAt == std::string_view::npos || translationAt > stop ||
          !reader.element("translation", translationAt, open, message.translation, after))
        return Failure{"no translation of \"" + message.source + "\" in context " + name};
      message.unfinished = open.find("type=\"unfinished\"") != std::string_view::npos ||
                           open.find("type=\"obsolete\"") != std::string_view::npos ||
                           open.find("type=\"vanished\"") != std::string_view::npos;
      messages.push_back(std::move(message));
    }
    at = next;
  }
  return messages;
}

std::string writeTs(const std::vector<TsMessage>& messages) {
  std::string out =
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
      "<TS version=\"2.1\" language=\"en_GB\" sourcelanguage=\"zh_CN\">\n";
  std::vector<std::string> order;
  for (const TsMessage& m : messages)
    if (std::find(order.begin(), order.end(), m.context) == order.end()) order.push_back(m.context);
  for (const std::string& context : order) {
    out += "<context>\n    <name>" + escaped(context) + "</name>\n";
    for (const TsMessage& m : messages) {
      if (m.context != context) continue;
      out += "    <message>\n        <source>" + escaped(m.source) + "</source>\n";
      out += m.unfinished ? "        <translation type=\"unfinished\">" : "        <translation>";
      out += escaped(m.translation) + "</translation>\n    </message>\n";
    }
    out += "</context>\n";
  }
  return out + "</TS>\n";
}

std::vector<std::string> translationProblems(const ShownTexts& shown,
                                             const std::vector<TsMessage>& messages) {
  std::map<std::pair<std::string, std::string>, const TsMessage*> index;
  for (const TsMessage& m : messages) index[{m.context, m.source}] = &m;
  std::vector<std::string> problems;
  for (const auto& [context, texts] : shown)
    for (const std::string& text : texts) {
      auto it = index.find({context, text});
      const std::string where = context + ": \"" + text + "\"";
      if (it == index.end())
        problems.push_back(where + " has no translation");
      else if (it->second->unfinished)
        problems.push_back(where + " is unfinished");
      else if (it->second->translation.empty())
        problems.push_back(where + " is translated empty");
      else if (containsCjk(it->second->translation))
        problems.push_back(where + " is translated into Chinese: \"" + it->second->translation +
                           "\"");
    }
  return problems;
}

std::vector<TsMessage> withMissingAdded(const ShownTexts& shown, std::vector<TsMessage> messages) {
  for (const auto& [context, texts] : shown)
    for (const std::string& text : texts) {
      const bool known = std::any_of(messages.begin(), messages.end(), [&](const TsMessage& m) {
        return m.context == context && m.source == text;
      });
      if (known) continue;
      // beside the last of its context, so that the file keeps its order
      auto last = std::find_if(messages.rbegin(), messages.rend(),
                               [&](const TsMessage& m) { return m.context == context; });
      messages.insert(last.base(), {context, text, "", true});
    }
  return messages;
}

}  // namespace corvane
