// The one instance of each form of a program run, created with its defaults
// and load step on first use, the shared values, and the host. Forms reach
// each other's fields by name through it.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/form.h"
#include "model/shared_values.h"
#include "model/signal.h"

namespace corvane {

class Host;

class Workspace {
 public:
  using Factory = std::function<std::unique_ptr<Form>(Workspace&)>;

  explicit Workspace(Host& host);
  ~Workspace();
  Workspace(const Workspace&) = delete;
  Workspace& operator=(const Workspace&) = delete;

  Host& host() const { return host_; }
  SharedValues& shared() { return shared_; }
  const SharedValues& shared() const { return shared_; }

  void registerForm(const std::string& name, Factory factory);
  bool knowsForm(std::string_view name) const;
  std::vector<std::string> formNames() const;

  // The form's single instance; created with its design-time defaults and its
  // load step on first use. A ProgrammingError for an unknown name.
  Form& form(std::string_view name);
  template <class T>
  T& form(std::string_view name) {
    return dynamic_cast<T&>(form(name));
  }
  // The instance if it exists, without creating it.
  Form* existing(std::string_view name) const;
  // A field of a form (created on first use); a ProgrammingError if the form has no
  // such control.
  Control& field(std::string_view form, std::string_view name, int row = -1);
  // Discards the instance; the next access creates it afresh. A form closed
  // from inside one of its own reactions is destroyed when the event ends.
  void close(std::string_view name);

  // The active window: the form shown or picked last. Activating a form that
  // is not yet active runs its activation step as an event of its own.
  Form* activeForm() const { return active_; }
  void activate(Form& form);
  void deactivate(const Form& form);

  // Runs `action` as one event: a RecalcAbort inside it stops the action and
  // is swallowed. Nested boundaries are allowed; forms closed during the
  // event are destroyed when the outermost one ends.
  void runEvent(const std::function<void()>& action);

  // Nesting guard for reactions: deeper cascades stop as an arithmetic error
  // would, so no input can overflow the stack.
  static constexpr int kMaxReactionDepth = 200;
  void enterReaction();
  void leaveReaction() { --reactionDepth_; }

  Signal<Form&> formCreated;
  Signal<const std::string&> formClosed;

 private:
  Host& host_;
  SharedValues shared_;
  std::map<std::string, Factory, std::less<>> factories_;
  std::vector<std::string> order_;
  std::map<std::string, std::unique_ptr<Form>, std::less<>> forms_;
  std::vector<std::unique_ptr<Form>> disposed_;
  Form* active_ = nullptr;
  int eventDepth_ = 0;
  int reactionDepth_ = 0;
};

}  // namespace corvane
