// The line grammar of corvane scripts: one command a line, blank lines and
// `#` comments skipped. parseLine turns a line into a Command or throws
// ScriptError with the reason; it touches no form.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/host.h"

namespace corvane::script {

// A malformed line or a command that cannot be carried out: the run stops.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// FORM.NAME, FORM.NAME(i) or FORM."caption"; a bare FORM where a command
// allows the form itself.
struct Address {
  std::string written;  // exactly as in the script, for what the run prints
  std::string form;
  std::string name;  // the control name, or the caption when byCaption
  bool byCaption = false;
  int index = -1;  // the array element; -1 when no index is written
  bool formOnly = false;
};

// A value: the rest of the line after one blank as it stands, or a quoted
// text with \" \\ \n escapes. `quoted` tells `input "cancel"` from `input cancel`.
struct Value {
  std::string text;
  bool quoted = false;
};

enum class Verb {
  Set,
  Type,
  Enter,
  Key,
  Click,
  DblClick,
  Choose,
  Focus,
  Show,
  Answer,
  Input,
  File,
  Printer,
  Today,
  Now,
  Tick,
  Print,
  Dump,
  List,
  Messages,
  Eval,
  Expect,
  ExpectProp,
  ExpectMessage,
  AnotherInstance,
  Catalogue,
  Settings,
  Language,
  Undo,
  Redo,
};

// What a verb does to the running program.
enum class VerbReach {
  UserStep,  // a user's action on a form: one step of the undo history
  Forms,     // acts on the forms, but is not a user's edit of one
  Outside,   // answers queued for later, clock settings, checks of what the forms show
};

struct Command {
  Verb verb = Verb::Messages;
  Address address;
  std::string word;  // answer: yes/no/cancel; printer: pdf/record/cancel;
                     // expect-prop: the property; eval: the formula ID
  Value value;
  std::vector<std::string> args;  // eval arguments
  long long number = 1;           // key: the key code; tick: the count;
                                  // answer: 1 yes, 0 no, 2 cancel;
                                  // undo, redo: the steps
  CalendarDate date;              // today
  ClockTime time;                 // now
};

// Largest count `tick` accepts: a million ticks of a one-second timer are
// eleven days of use, far beyond any design session.
inline constexpr long long kMaxTicks = 1000000;
// Largest count `undo` and `redo` accept; the history holds fewer steps.
inline constexpr long long kMaxSteps = 1000000;

// The command of one line; nullopt for a blank or comment line.
std::optional<Command> parseLine(std::string_view line);

// Commands a user performs on the running program, as opposed to answers
// queued for later, clock settings and checks of what the forms show.
bool actsOnForms(Verb verb);
// A user's action on a form: one step of the undo history, the form it
// reaches included when it comes into being for it.
bool isUserStep(Verb verb);

// A text as `print` shows it between quotes: \" \\ \n (and \r) escaped.
std::string escapeText(std::string_view text);

}  // namespace corvane::script
