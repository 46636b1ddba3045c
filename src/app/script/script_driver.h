// Carries out script commands against a workspace: resolves addresses to
// controls, calls the same user entry points the desktop views call, fills
// the scripted host's answer queues and prints and checks what the forms show.
#pragma once

#include <functional>
#include <iosfwd>
#include <set>
#include <string>
#include <string_view>

#include "app/script/script_parser.h"
#include "app/script/script_runner.h"

namespace corvane {

class Control;
class Form;
class ScriptedHost;
class Workspace;

class ScriptDriver {
 public:
  ScriptDriver(Workspace& workspace, ScriptedHost& host, std::ostream& out,
               const ScriptEnvironment& environment);
  ~ScriptDriver();
  ScriptDriver(const ScriptDriver&) = delete;
  ScriptDriver& operator=(const ScriptDriver&) = delete;

  // Runs one line (numbered from 1). False when the run ends there, after a
  // script error. Once a command has ended the program (the main window's
  // "关闭"), later commands that act on the forms do nothing; checks and
  // prints still see the state the program ended in.
  bool runLine(std::string_view line, int number);

  // 0 when every check held, 1 when one failed, 2 after a script error.
  int exitStatus() const;
  int checks() const { return checks_; }
  int failedChecks() const { return failed_; }
  bool ended() const { return ended_; }

 private:
  void execute(const script::Command& command);
  void perform(const script::Command& command);
  Form& formNamed(const std::string& name);
  Control& resolve(const script::Address& address);
  void act(const script::Address& address, const std::function<void(Form&, Control&)>& action);
  // False (and a note) when a user could not reach the control: it or the
  // frame it sits in is disabled, or typing goes to a locked field.
  bool reachable(const Control& control, bool typing);

  void setText(const script::Command& command);
  void typeText(const script::Command& command);
  void choose(const script::Command& command);
  void tick(const script::Command& command);
  void queuePrinter(const script::Command& command);
  void queueFile(const script::Command& command);
  void useCatalogue(const script::Command& command);
  void useSettings(const script::Command& command);
  void useLanguage(const script::Command& command);
  void printControl(const std::string& written, const Control& control);
  void dump(const std::string& formName);
  void list(const std::string& formName);
  void printMessages();
  void eval(const script::Command& command);
  void expect(const script::Command& command);
  void expectProperty(const script::Command& command);
  void expectMessage(const script::Command& command);
  void check(bool held, const std::string& what, const std::string& actual,
             const std::string& expected);
  void note(const std::string& text) const;

  Workspace& workspace_;
  ScriptedHost& host_;
  std::ostream& out_;
  const ScriptEnvironment& environment_;
  std::set<std::string, std::less<>> closedForms_;
  int closedConnection_ = 0;
  int createdConnection_ = 0;
  int line_ = 0;
  int checks_ = 0;
  int failed_ = 0;
  bool scriptError_ = false;
  bool ended_ = false;
};

}  // namespace corvane
