#include "app/script/script_parser.h"

#include <array>
#include <charconv>

namespace corvane::script {

namespace {

// How the words after a verb are laid out.
enum class Shape {
  AddressValue,     // set ADDR VALUE
  AddressOnly,      // click ADDR
  AddressNumber,    // key ADDR CODE
  AddressCount,     // tick ADDR [N]
  FormName,         // show FORM
  ValueOnly,        // input TEXT
  YesNo,            // another-instance yes|no
  Answer,           // answer yes|no|cancel
  PrinterAnswer,    // printer pdf PATH | record PATH | cancel
  Date,             // today YYYY-MM-DD
  Time,             // now HH:MM:SS
  Nothing,          // messages
  OptionalCount,    // undo [N]
  Formula,          // eval ID ARG...
  AddressProperty,  // expect-prop ADDR PROP VALUE
};

struct VerbEntry {
  std::string_view name;
  Verb verb;
  Shape shape;
};

// verb name, command, layout of its words
constexpr std::array kVerbs{
    VerbEntry{"set", Verb::Set, Shape::AddressValue},
    VerbEntry{"type", Verb::Type, Shape::AddressValue},
    VerbEntry{"enter", Verb::Enter, Shape::AddressOnly},
    VerbEntry{"key", Verb::Key, Shape::AddressNumber},
    VerbEntry{"click", Verb::Click, Shape::AddressOnly},
    VerbEntry{"dblclick", Verb::DblClick, Shape::AddressOnly},
    VerbEntry{"choose", Verb::Choose, Shape::AddressValue},
    VerbEntry{"focus", Verb::Focus, Shape::AddressOnly},
    VerbEntry{"show", Verb::Show, Shape::FormName},
    VerbEntry{"answer", Verb::Answer, Shape::Answer},
    VerbEntry{"input", Verb::Input, Shape::ValueOnly},
    VerbEntry{"file", Verb::File, Shape::ValueOnly},
    VerbEntry{"printer", Verb::Printer, Shape::PrinterAnswer},
    VerbEntry{"today", Verb::Today, Shape::Date},
    VerbEntry{"now", Verb::Now, Shape::Time},
    VerbEntry{"tick", Verb::Tick, Shape::AddressCount},
    VerbEntry{"print", Verb::Print, Shape::AddressOnly},
    VerbEntry{"dump", Verb::Dump, Shape::FormName},
    VerbEntry{"list", Verb::List, Shape::FormName},
    VerbEntry{"messages", Verb::Messages, Shape::Nothing},
    VerbEntry{"eval", Verb::Eval, Shape::Formula},
    VerbEntry{"expect", Verb::Expect, Shape::AddressValue},
    VerbEntry{"expect-prop", Verb::ExpectProp, Shape::AddressProperty},
    VerbEntry{"expect-message", Verb::ExpectMessage, Shape::ValueOnly},
    VerbEntry{"another-instance", Verb::AnotherInstance, Shape::YesNo},
    VerbEntry{"catalogue", Verb::Catalogue, Shape::ValueOnly},
    VerbEntry{"settings", Verb::Settings, Shape::ValueOnly},
    VerbEntry{"language", Verb::Language, Shape::ValueOnly},
    VerbEntry{"undo", Verb::Undo, Shape::OptionalCount},
    VerbEntry{"redo", Verb::Redo, Shape::OptionalCount},
};

constexpr std::array<std::string_view, 9> kProperties{"visible",   "enabled",   "caption",
                                                      "checked",   "listindex", "backcolor",
                                                      "forecolor", "text",      "tooltip"};

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string quote(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

// Walks one line left to right.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  bool atEnd() const { return pos_ >= text_.size(); }
  // Steps over `c` when it comes next.
  bool take(char c) {
    if (peek() != c || atEnd()) return false;
    ++pos_;
    return true;
  }
  char peek() const { return atEnd() ? '\0' : text_[pos_]; }
  size_t pos() const { return pos_; }
  std::string_view slice(size_t from) const { return text_.substr(from, pos_ - from); }

  void skipBlanks() {
    while (!atEnd() && isBlank(peek())) ++pos_;
  }
  bool restIsBlank() {
    skipBlanks();
    return atEnd();
  }

  // Characters up to the next blank (or one of `stops`).
  std::string_view word(std::string_view stops = {}) {
    size_t from = pos_;
    while (!atEnd() && !isBlank(peek()) && stops.find(peek()) == std::string_view::npos) ++pos_;
    return slice(from);
  }

  // A double-quoted text starting at the cursor, escapes resolved.
  std::string quoted() {
    ++pos_;  // opening quote
    std::string out;
    while (!atEnd()) {
      char c = text_[pos_++];
      if (c == '"') return out;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (atEnd()) break;
      char escaped = text_[pos_++];
      switch (escaped) {
        case '"':
          out += '"';
          break;
        case '\\':
          out += '\\';
          break;
        case 'n':
          out += '\n';
          break;
        default:
          throw ScriptError("unknown escape \\" + std::string(1, escaped) + " in quoted text");
      }
    }
    throw ScriptError("unterminated quoted text");
  }

  // The value after the separating blank: quoted, or the rest as it stands.
  Value value() {
    Value value;
    if (atEnd()) return value;
    if (!isBlank(peek())) throw ScriptError("expected a blank before the value");
    ++pos_;
    if (peek() == '"') {
      value.text = quoted();
      value.quoted = true;
      if (!restIsBlank()) throw ScriptError("unexpected text after the closing quote");
      return value;
    }
    value.text = std::string(text_.substr(pos_));
    pos_ = text_.size();
    return value;
  }

  // One blank-separated argument, quoted or plain; false at the end.
  bool argument(std::string& out) {
    skipBlanks();
    if (atEnd()) return false;
    if (peek() == '"') {
      out = quoted();
      if (!atEnd() && !isBlank(peek()))
        throw ScriptError("expected a blank after the closing quote");
    } else {
      out = std::string(word());
    }
    return true;
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

int parseInteger(std::string_view digits, std::string_view what) {
  int number = 0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size())
    throw ScriptError("expected a whole number for " + std::string(what) + ", got " +
                      quote(digits));
  return number;
}

Address parseAddress(Cursor& in, bool allowFormOnly) {
  in.skipBlanks();
  size_t start = in.pos();
  Address address;
  address.form = std::string(in.word(".\"()"));
  if (address.form.empty()) throw ScriptError("expected an address FORM.NAME");
  if (!in.take('.')) {
    if (!in.atEnd() && !isBlank(in.peek()))
      throw ScriptError("malformed address " + quote(std::string(in.slice(start)) + in.peek()));
    if (!allowFormOnly) throw ScriptError("expected FORM.NAME, got " + quote(address.form));
    address.formOnly = true;
    address.written = address.form;
    return address;
  }
  if (in.peek() == '"') {
    address.name = in.quoted();
    address.byCaption = true;
    if (address.name.empty()) throw ScriptError("empty caption in an address");
  } else {
    address.name = std::string(in.word(".\"()"));
    if (address.name.empty())
      throw ScriptError("expected a control name after " + quote(address.form + "."));
  }
  if (in.take('(')) {
    if (address.byCaption) throw ScriptError("an address by caption takes no index");
    std::string_view digits = in.word(")");
    if (!in.take(')')) throw ScriptError("missing ) in " + quote(in.slice(start)));
    address.index = parseInteger(digits, "the index");
    if (address.index < 0) throw ScriptError("negative index in " + quote(in.slice(start)));
  }
  if (!in.atEnd() && !isBlank(in.peek()))
    throw ScriptError("malformed address " + quote(std::string(in.slice(start)) + in.peek()));
  address.written = std::string(in.slice(start));
  return address;
}

void expectEnd(Cursor& in) {
  if (!in.restIsBlank()) throw ScriptError("unexpected text at the end of the line");
}

// Digits of fixed width separated by `separator`: "2026-12-08", "09:30:00".
std::array<int, 3> fixedFields(std::string_view text, char separator, const char* format) {
  bool wellFormed = text.size() == 10 || text.size() == 8;
  std::array<int, 3> fields{};
  size_t firstWidth = text.size() == 10 ? 4 : 2;
  size_t widths[3] = {firstWidth, 2, 2};
  size_t pos = 0;
  for (int i = 0; wellFormed && i < 3; ++i) {
    if (i > 0) {
      wellFormed = pos < text.size() && text[pos] == separator;
      ++pos;
    }
    for (size_t k = 0; wellFormed && k < widths[i]; ++k)
      wellFormed = pos + k < text.size() && text[pos + k] >= '0' && text[pos + k] <= '9';
    if (!wellFormed) break;
    fields[i] = parseInteger(text.substr(pos, widths[i]), format);
    pos += widths[i];
  }
  if (!wellFormed || pos != text.size())
    throw ScriptError("expected " + std::string(format) + ", got " + quote(text));
  return fields;
}

bool isLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

CalendarDate parseDate(std::string_view text) {
  if (text.size() != 10) throw ScriptError("expected YYYY-MM-DD, got " + quote(text));
  auto [year, month, day] = fixedFields(text, '-', "YYYY-MM-DD");
  constexpr int kDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool valid = year >= 1 && month >= 1 && month <= 12 && day >= 1;
  if (valid) valid = day <= kDaysInMonth[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0);
  if (!valid) throw ScriptError("no such date " + quote(text));
  return {year, month, day};
}

ClockTime parseTime(std::string_view text) {
  if (text.size() != 8) throw ScriptError("expected HH:MM:SS, got " + quote(text));
  auto [hour, minute, second] = fixedFields(text, ':', "HH:MM:SS");
  if (hour > 23 || minute > 59 || second > 59) throw ScriptError("no such time " + quote(text));
  return {hour, minute, second};
}

bool parseYesNo(Cursor& in) {
  in.skipBlanks();
  std::string_view word = in.word();
  expectEnd(in);
  if (word == "yes") return true;
  if (word == "no") return false;
  throw ScriptError("expected yes or no, got " + quote(word));
}

void parseAnswer(Cursor& in, Command& command) {
  in.skipBlanks();
  command.word = std::string(in.word());
  expectEnd(in);
  if (command.word != "yes" && command.word != "no" && command.word != "cancel")
    throw ScriptError("expected yes, no or cancel, got " + quote(command.word));
  command.number = command.word == "yes" ? 1 : command.word == "no" ? 0 : 2;
}

void parsePrinterAnswer(Cursor& in, Command& command) {
  in.skipBlanks();
  command.word = std::string(in.word());
  if (command.word == "cancel") return expectEnd(in);
  if (command.word != "pdf" && command.word != "record")
    throw ScriptError("expected printer pdf PATH, printer record PATH or printer cancel");
  command.value = in.value();
  if (command.value.text.empty()) throw ScriptError("printer " + command.word + " needs a path");
}

void parseProperty(Cursor& in, Command& command) {
  command.address = parseAddress(in, true);
  if (in.atEnd()) throw ScriptError("expected a property after the address");
  in.skipBlanks();
  command.word = std::string(in.word());
  bool known = false;
  for (std::string_view property : kProperties) known = known || property == command.word;
  if (!known)
    throw ScriptError("unknown property " + quote(command.word) +
                      " (visible, enabled, caption, checked, listindex, backcolor, forecolor, "
                      "text, tooltip)");
  command.value = in.value();
}

void parseFormula(Cursor& in, Command& command) {
  std::string id;
  if (!in.argument(id)) throw ScriptError("eval needs a formula ID");
  command.word = id;
  std::string argument;
  while (in.argument(argument)) command.args.push_back(argument);
}

void parseShape(Shape shape, Cursor& in, Command& command) {
  switch (shape) {
    case Shape::AddressValue:
      command.address = parseAddress(in, false);
      command.value = in.value();
      return;
    case Shape::AddressOnly:
      command.address = parseAddress(in, false);
      return expectEnd(in);
    case Shape::AddressNumber:
      command.address = parseAddress(in, false);
      in.skipBlanks();
      command.number = parseInteger(in.word(), "the key code");
      return expectEnd(in);
    case Shape::AddressCount: {
      command.address = parseAddress(in, false);
      in.skipBlanks();
      if (!in.atEnd()) {
        command.number = parseInteger(in.word(), "the tick count");
        if (command.number < 0 || command.number > kMaxTicks)
          throw ScriptError("tick count must lie between 0 and " + std::to_string(kMaxTicks));
      }
      return expectEnd(in);
    }
    case Shape::FormName:
      command.address = parseAddress(in, true);
      if (!command.address.formOnly) throw ScriptError("expected a form name, got an address");
      return expectEnd(in);
    case Shape::ValueOnly:
      command.value = in.value();
      return;
    case Shape::YesNo:
      command.number = parseYesNo(in) ? 1 : 0;
      return;
    case Shape::Answer:
      return parseAnswer(in, command);
    case Shape::PrinterAnswer:
      return parsePrinterAnswer(in, command);
    case Shape::Date: {
      in.skipBlanks();
      command.date = parseDate(in.word());
      return expectEnd(in);
    }
    case Shape::Time: {
      in.skipBlanks();
      command.time = parseTime(in.word());
      return expectEnd(in);
    }
    case Shape::Nothing:
      return expectEnd(in);
    case Shape::OptionalCount:
      in.skipBlanks();
      if (!in.atEnd()) {
        command.number = parseInteger(in.word(), "the number of steps");
        if (command.number < 0 || command.number > kMaxSteps)
          throw ScriptError("the number of steps must lie between 0 and " +
                            std::to_string(kMaxSteps));
      }
      return expectEnd(in);
    case Shape::Formula:
      return parseFormula(in, command);
    case Shape::AddressProperty:
      return parseProperty(in, command);
  }
}

}  // namespace

std::optional<Command> parseLine(std::string_view line) {
  Cursor in(line);
  in.skipBlanks();
  if (in.atEnd() || in.peek() == '#') return std::nullopt;
  std::string_view verb = in.word();
  for (const VerbEntry& entry : kVerbs) {
    if (entry.name != verb) continue;
    Command command;
    command.verb = entry.verb;
    parseShape(entry.shape, in, command);
    return command;
  }
  throw ScriptError("unknown command " + quote(verb));
}

std::string escapeText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace corvane::script
