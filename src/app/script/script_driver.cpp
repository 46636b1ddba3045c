#include "app/script/script_driver.h"

#include "model/design_history.h"
#include "model/step_label.h"

#include <ostream>
#include <stdexcept>

#include "app/script/scripted_host.h"
#include "bobbin/frmbobbin.h"
#include "model/design_session.h"
#include "model/form.h"
#include "model/formula_table.h"
#include "model/translator.h"
#include "model/value.h"
#include "model/workspace.h"

namespace corvane {

using script::Address;
using script::Command;
using script::ScriptError;
using script::Verb;

namespace {

std::string quote(std::string_view text) {
  return "\"" + script::escapeText(text) + "\"";
}

const char* kindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::TextBox:
      return "a text box";
    case ControlKind::Label:
      return "a label";
    case ControlKind::ComboBox:
      return "a combo box";
    case ControlKind::ListBox:
      return "a list box";
    case ControlKind::CheckBox:
      return "a check box";
    case ControlKind::OptionButton:
      return "an option button";
    case ControlKind::CommandButton:
      return "a button";
    case ControlKind::Frame:
      return "a frame";
    case ControlKind::PictureBox:
      return "a picture box";
    case ControlKind::MenuItem:
      return "a menu item";
    case ControlKind::Timer:
      return "a timer";
    case ControlKind::StatusPanel:
      return "a status panel";
    case ControlKind::Slider:
      return "a slider";
    case ControlKind::ProgressBar:
      return "a progress bar";
  }
  return "a control";
}

bool isList(const Control& control) {
  return control.kind() == ControlKind::ComboBox || control.kind() == ControlKind::ListBox;
}

// A list whose text can only be one of its items.
bool isClosedList(const Control& control) {
  return control.kind() == ControlKind::ListBox ||
         (control.kind() == ControlKind::ComboBox && control.listOnly());
}

// Message texts compare and print with line ends as LF.
std::string unixLineEnds(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

std::string oneLine(std::string_view text) {
  std::string out;
  for (char c : unixLineEnds(text)) {
    if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else
      out += c;
  }
  return out;
}

// "1"/"0" for the boolean spellings a check accepts, "" for anything else.
std::string flagText(std::string_view text) {
  if (text == "1" || text == "true") return "1";
  if (text == "0" || text == "false") return "0";
  return "";
}

std::string withoutBlanks(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != ' ' && c != '\t') out += c;
  return out;
}

}  // namespace

ScriptDriver::ScriptDriver(Workspace& workspace, ScriptedHost& host, std::ostream& out,
                           const ScriptEnvironment& environment)
    : workspace_(workspace), host_(host), out_(out), environment_(environment) {
  closedConnection_ =
      workspace_.formClosed.connect([this](const std::string& name) { closedForms_.insert(name); });
  createdConnection_ = workspace_.formCreated.connect([this](Form& form) {
    auto it = closedForms_.find(form.name());
    if (it != closedForms_.end()) closedForms_.erase(it);
  });
}

ScriptDriver::~ScriptDriver() {
  workspace_.formClosed.disconnect(closedConnection_);
  workspace_.formCreated.disconnect(createdConnection_);
}

int ScriptDriver::exitStatus() const {
  if (scriptError_) return 2;
  return failed_ > 0 ? 1 : 0;
}

bool ScriptDriver::runLine(std::string_view line, int number) {
  if (scriptError_) return false;
  line_ = number;
  try {
    std::optional<Command> command = script::parseLine(line);
    if (!command) return true;
    if (ended_ && script::actsOnForms(command->verb)) {
      note("line " + std::to_string(number) + ": the program has ended; nothing happens");
      return true;
    }
    execute(*command);
    std::vector<std::string> errors = host_.takeErrors();
    if (!errors.empty()) throw ScriptError(errors.front());
  } catch (const RecalcAbort&) {
    // an arithmetic error outside any form event: the action stops, as the
    // event boundary would stop it
  } catch (const std::exception& error) {
    out_ << "ERROR line " << number << ": " << error.what() << "\n";
    scriptError_ = true;
    return false;
  }
  if (host_.quitRequested() && !ended_) {
    ended_ = true;
    note("line " + std::to_string(number) + " ended the program");
  }
  return true;
}

void ScriptDriver::execute(const Command& command) {
  if (script::isUserStep(command.verb)) {
    workspace_.runStep({}, [&] { perform(command); });
    return;
  }
  perform(command);
}

void ScriptDriver::perform(const Command& command) {
  switch (command.verb) {
    case Verb::Set:
      return setText(command);
    case Verb::Type:
      return typeText(command);
    case Verb::Enter:
      return act(command.address, [](Form& form, Control& c) { form.userEnter(c); });
    case Verb::Key:
      return act(command.address, [code = static_cast<int>(command.number)](
                                      Form& form, Control& c) { form.userKey(c, code); });
    case Verb::Click:
      return act(command.address, [](Form& form, Control& c) { form.userClick(c); });
    case Verb::DblClick:
      return act(command.address, [](Form& form, Control& c) { form.userDblClick(c); });
    case Verb::Choose:
      return choose(command);
    case Verb::Focus:
      return act(command.address, [](Form& form, Control& c) { form.userFocus(c); });
    case Verb::Show:
      // showing a form the design then holds is a step of its own
      workspace_.runStep({}, [&] {
        Form& form = formNamed(command.address.form);
        workspace_.history().nameStep({formStepName(form), {}});
        // a load step that ends the program (a second copy) shows nothing
        if (!host_.quitRequested()) form.show();
      });
      return;
    case Verb::Undo:
      for (long long i = 0; i < command.number && workspace_.history().undo(); ++i) {
      }
      return;
    case Verb::Redo:
      for (long long i = 0; i < command.number && workspace_.history().redo(); ++i) {
      }
      return;
    case Verb::Answer:
      host_.queueQuestion(command.word == "yes"  ? Answer::Yes
                          : command.word == "no" ? Answer::No
                                                 : Answer::Cancel);
      return;
    case Verb::Input:
      if (!command.value.quoted && command.value.text == "cancel")
        host_.queueInput(std::nullopt);
      else
        host_.queueInput(command.value.text);
      return;
    case Verb::File:
      return queueFile(command);
    case Verb::Printer:
      return queuePrinter(command);
    case Verb::Today:
      host_.setToday(command.date);
      return;
    case Verb::Now:
      host_.setNow(command.time);
      return;
    case Verb::Tick:
      return tick(command);
    case Verb::Print:
      return printControl(command.address.written, resolve(command.address));
    case Verb::Dump:
      return dump(command.address.form);
    case Verb::List:
      return list(command.address.form);
    case Verb::Messages:
      return printMessages();
    case Verb::Eval:
      return eval(command);
    case Verb::Expect:
      return expect(command);
    case Verb::ExpectProp:
      return expectProperty(command);
    case Verb::ExpectMessage:
      return expectMessage(command);
    case Verb::AnotherInstance:
      host_.setAnotherInstance(command.number == 1);
      return;
    case Verb::Catalogue:
      return useCatalogue(command);
    case Verb::Settings:
      return useSettings(command);
    case Verb::Language:
      return useLanguage(command);
  }
}

// A user action on a control: nothing happens where a user could not reach it.
void ScriptDriver::act(const Address& address, const std::function<void(Form&, Control&)>& action) {
  Control& control = resolve(address);
  if (reachable(control, false)) action(control.form(), control);
}

Form& ScriptDriver::formNamed(const std::string& name) {
  if (!workspace_.knowsForm(name)) throw ScriptError("unknown form " + quote(name));
  return workspace_.form(name);
}

Control& ScriptDriver::resolve(const Address& address) {
  Form& form = formNamed(address.form);
  if (address.byCaption) {
    for (Control* control : form.allControls())
      if (control->caption() == address.name) return *control;
    throw ScriptError(address.form + " has no control captioned " + quote(address.name));
  }
  if (address.index < 0) {
    if (Control* control = form.find(address.name)) return *control;
    if (form.isArray(address.name))
      throw ScriptError(address.form + "." + address.name +
                        " is a control array: write it with an index, " + address.name + "(i)");
    throw ScriptError(address.form + " has no control " + quote(address.name));
  }
  ControlArray* array = form.findArray(address.name);
  if (!array) {
    if (form.find(address.name))
      throw ScriptError(address.form + "." + address.name + " is not a control array");
    throw ScriptError(address.form + " has no control " + quote(address.name));
  }
  if (Control* control = array->at(address.index)) return *control;
  throw ScriptError(address.written + " does not exist (" + address.form + "." + address.name +
                    " has no element " + std::to_string(address.index) + ")");
}

bool ScriptDriver::reachable(const Control& control, bool typing) {
  std::string why;
  if (!control.enabled()) why = "is disabled";
  if (why.empty() && typing && control.locked()) why = "is locked";
  // a disabled frame disables everything in it; frames may nest
  const Control* inner = &control;
  for (int depth = 0; why.empty() && depth < 32 && !inner->container().empty(); ++depth) {
    const Control* frame = control.form().find(inner->container());
    if (!frame) break;
    if (!frame->enabled()) why = "sits in the disabled frame " + frame->name();
    inner = frame;
  }
  if (why.empty()) return true;
  note("line " + std::to_string(line_) + ": " + control.form().name() + "." + control.address() +
       " " + why + "; nothing happens");
  return false;
}

void ScriptDriver::setText(const Command& command) {
  Control& control = resolve(command.address);
  switch (control.kind()) {
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
    case ControlKind::Slider:
      break;
    default:
      throw ScriptError("cannot set " + command.address.written + ": it is " +
                        kindName(control.kind()) + " (use click or choose)");
  }
  if (isClosedList(control) && control.findItem(command.value.text) < 0)
    throw ScriptError(command.address.written + " has no item " + quote(command.value.text));
  if (reachable(control, true)) control.form().userSetText(control, command.value.text);
}

void ScriptDriver::typeText(const Command& command) {
  Control& control = resolve(command.address);
  if (control.kind() != ControlKind::TextBox && control.kind() != ControlKind::ComboBox)
    throw ScriptError("cannot type into " + command.address.written + ": it is " +
                      kindName(control.kind()));
  if (reachable(control, true)) control.form().userType(control, command.value.text);
}

void ScriptDriver::choose(const Command& command) {
  Control& control = resolve(command.address);
  if (!isList(control))
    throw ScriptError("cannot choose in " + command.address.written + ": it is " +
                      kindName(control.kind()));
  const std::string& item = command.value.text;
  int index = -1;
  if (!command.value.quoted && item.size() > 1 && item[0] == '#') {
    int count = static_cast<int>(control.items().size());
    index = -2;
    try {
      size_t used = 0;
      int wanted = std::stoi(item.substr(1), &used);
      if (used == item.size() - 1 && item[1] >= '0' && item[1] <= '9' && wanted < count)
        index = wanted;
    } catch (const std::logic_error&) {
    }
    if (index < 0)
      throw ScriptError(command.address.written + " has no item " + item + " (it has " +
                        std::to_string(count) + ")");
  } else {
    index = control.findItem(item);
    if (index < 0) throw ScriptError(command.address.written + " has no item " + quote(item));
  }
  if (reachable(control, false)) control.form().userChoose(control, index);
}

void ScriptDriver::tick(const Command& command) {
  // a timer dies with its form: a closed form's timer no longer fires
  if (closedForms_.count(command.address.form) && !workspace_.existing(command.address.form)) {
    note("line " + std::to_string(line_) + ": " + command.address.form +
         " is closed; its timers do not fire");
    return;
  }
  Control& timer = resolve(command.address);
  if (timer.kind() != ControlKind::Timer)
    throw ScriptError("cannot tick " + command.address.written + ": it is " +
                      kindName(timer.kind()));
  Form& form = timer.form();
  std::string formName = form.name();
  std::string timerName = timer.name();
  int index = timer.index();
  if (!timer.enabled()) {
    note("line " + std::to_string(line_) + ": " + command.address.written +
         " is disabled; it does not fire");
    return;
  }
  for (long long i = 0; i < command.number; ++i) {
    // a tick may close the form or switch the timer off: look it up afresh
    Form* current = workspace_.existing(formName);
    Control* live = current ? current->find(timerName, index) : nullptr;
    if (!live || !live->enabled() || host_.quitRequested()) break;
    current->tick(*live);
  }
}

void ScriptDriver::queueFile(const Command& command) {
  const std::string& path = command.value.text;
  bool cancel = !command.value.quoted && path == "cancel";
  if (!cancel && path.empty()) throw ScriptError("file needs a path or cancel");
  if (cancel || !environment_.fileAnswers)
    host_.queueFile(std::nullopt);
  else
    host_.queueFile(path);
}

// The bobbin form reads another catalogue file, as when the user picks it
// through the supplier list's "其他骨架目录…".
void ScriptDriver::useCatalogue(const Command& command) {
  const std::string& path = command.value.text;
  if (path.empty()) throw ScriptError("catalogue needs a path");
  if (!environment_.fileAnswers) {
    note("line " + std::to_string(line_) + ": catalogue " + quote(path) +
         " is not read in this run");
    return;
  }
  // the same step as choosing the file from the supplier list, the bobbin
  // form's opening included, so undo and redo take the catalogue back and
  // bring it again
  workspace_.runStep({}, [&] {
    auto* bobbin = dynamic_cast<Frmbobbin*>(&formNamed(Frmbobbin::kName));
    if (!bobbin) throw ScriptError("Frmbobbin reads no catalogue in this run");
    workspace_.history().nameStep(
        {fieldStepName(bobbin->control(bobbinform::Combo1), step_verbs::kChoose), {}});
    bobbin->openUserCatalogue(path);
  });
}

// The user's settings (the recent designs) from now on live in that file.
void ScriptDriver::useSettings(const Command& command) {
  const std::string& path = command.value.text;
  if (path.empty()) throw ScriptError("settings needs a path");
  if (!environment_.fileAnswers) {
    note("line " + std::to_string(line_) + ": settings " + quote(path) +
         " are not read in this run");
    return;
  }
  host_.useSettingsFile(path);
  workspace_.session().reloadRecentDesigns();
}

// The language of the message boxes and the reports from now on; the forms,
// their values and every file stay as they are.
void ScriptDriver::useLanguage(const Command& command) {
  Language language = Language::Chinese;
  if (!languageFromCode(command.value.text, language)) throw ScriptError("language needs en or zh");
  const Translator* translator = environment_.speak ? environment_.speak(language) : nullptr;
  if (language == Language::English && !translator)
    throw ScriptError("no English texts in this program (corvane --script has them)");
  host_.setTranslator(language == Language::English ? translator : nullptr);
}

void ScriptDriver::queuePrinter(const Command& command) {
  using Kind = ScriptedHost::PrinterAnswer::Kind;
  ScriptedHost::PrinterAnswer answer;
  if (command.word == "pdf") {
    if (!environment_.pdfPrinter)
      throw ScriptError("printer pdf needs the desktop program: run corvane --script FILE");
    answer = {Kind::Pdf, command.value.text};
  } else if (command.word == "record") {
    answer = {Kind::Record, command.value.text};
  }
  if (!environment_.fileAnswers) answer = {};
  host_.queuePrinter(answer);
}

void ScriptDriver::printControl(const std::string& written, const Control& control) {
  out_ << written << " = " << quote(control.displayText()) << "\n";
}

void ScriptDriver::dump(const std::string& formName) {
  Form& form = formNamed(formName);
  for (const Control* control : form.allControls())
    printControl(form.name() + "." + control->address(), *control);
}

void ScriptDriver::list(const std::string& formName) {
  Form& form = formNamed(formName);
  for (const std::string& name : form.names()) {
    const ControlArray* array = form.findArray(name);
    if (!array) {
      out_ << name << "\n";
      continue;
    }
    out_ << name << "(";
    const char* separator = "";
    for (int index : array->indices()) {
      out_ << separator << index;
      separator = ",";
    }
    out_ << ")\n";
  }
}

void ScriptDriver::printMessages() {
  for (const ScriptedHost::Message& message : host_.messages()) {
    const char* icon = message.icon == MessageIcon::Warning ? "[warning] " : "[information] ";
    out_ << icon << oneLine(message.text) << "\n";
  }
}

void ScriptDriver::eval(const Command& command) {
  try {
    out_ << evalText(command.word, command.args, workspace_.shared()) << "\n";
  } catch (const std::invalid_argument& error) {
    throw ScriptError(error.what());
  }
}

void ScriptDriver::check(bool held, const std::string& what, const std::string& actual,
                         const std::string& expected) {
  ++checks_;
  if (held) return;
  ++failed_;
  out_ << "FAIL line " << line_ << ": " << what << " = " << quote(actual) << ", expected "
       << quote(expected) << "\n";
}

void ScriptDriver::expect(const Command& command) {
  std::string actual = resolve(command.address).displayText();
  check(actual == command.value.text, command.address.written, actual, command.value.text);
}

void ScriptDriver::expectProperty(const Command& command) {
  const std::string& property = command.word;
  std::string expected = command.value.text;
  bool isFlag = property == "visible" || property == "enabled";
  if (isFlag || property == "checked") {
    std::string flag = flagText(expected);
    if (isFlag && flag.empty())
      throw ScriptError(property + " is 1 or 0 (true or false), not " + quote(expected));
    if (!flag.empty()) expected = flag;
  }
  std::string actual;
  if (command.address.formOnly) {
    const std::string& name = command.address.form;
    if (!workspace_.knowsForm(name)) throw ScriptError("unknown form " + quote(name));
    if (property == "visible") {
      // asking whether a form shows must not create it
      const Form* form = workspace_.existing(name);
      actual = form && form->visible() ? "1" : "0";
    } else if (property == "caption") {
      actual = workspace_.form(name).caption();
    } else {
      throw ScriptError("a form has only the properties visible and caption");
    }
  } else {
    const Control& control = resolve(command.address);
    if (property == "visible") actual = control.visible() ? "1" : "0";
    if (property == "enabled") actual = control.enabled() ? "1" : "0";
    if (property == "caption") actual = control.caption();
    if (property == "checked") actual = std::to_string(control.value());
    if (property == "listindex") actual = std::to_string(control.listIndex());
    if (property == "backcolor") actual = control.backColor().text();
    if (property == "forecolor") actual = control.foreColor().text();
    if (property == "text") actual = control.text();
    if (property == "tooltip") actual = control.toolTip();
    if (property == "backcolor" || property == "forecolor") expected = withoutBlanks(expected);
  }
  check(actual == expected, command.address.written + " " + property, actual, expected);
}

void ScriptDriver::expectMessage(const Command& command) {
  const ScriptedHost::Message* message = host_.nextUncheckedMessage();
  if (!message) {
    ++checks_;
    ++failed_;
    out_ << "FAIL line " << line_ << ": no message box left to check, expected "
         << quote(command.value.text) << "\n";
    return;
  }
  host_.markMessageChecked();
  std::string actual = unixLineEnds(message->text);
  check(actual == command.value.text, "message", actual, command.value.text);
}

void ScriptDriver::note(const std::string& text) const {
  if (environment_.diagnostics) *environment_.diagnostics << text << "\n";
}

}  // namespace corvane
